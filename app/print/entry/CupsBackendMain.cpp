// The CUPS backend "quillbrook": puts each job of the queue into the spool
// folder of the user who printed it.
#include <unistd.h>

#include <iostream>

#include "app/print/CancelSignals.h"
#include "app/print/CupsBackend.h"
#include "platform/files/FileAttributes.h"
#include "platform/files/ProgramFolder.h"

namespace {

// Installed, the backend lies in CUPS's backend folder, away from the
// program folder, whose place the build was configured with. In the staged
// build, and in a test's copy of a program folder, it lies in the program
// folder itself.
std::u16string BackendProgramFolder() {
  const std::u16string own = qb::GetProgramFolder();
  if (!own.empty() && GetFileAttributes(own + u"res/global.ini") != INVALID_FILE_ATTRIBUTES) return own;
  return QB_INSTALLED_PROGRAM_FOLDER;
}

}  // namespace

int main(int argc, char** argv) {
  // CUPS cancels a job with SIGTERM.
  const qb::CancelSignals cancel;
  qb::CupsBackendSetup setup;
  setup.programFolder = BackendProgramFolder();
  setup.loginUids = qb::ReadLoginUidRange();
  setup.input = STDIN_FILENO;
  setup.cancelFd = cancel.Fd();
  return qb::RunCupsBackend(std::vector<std::string>(argv + 1, argv + argc), setup, std::cout, std::cerr);
}
