// The CUPS backend "quillbrook": puts each job of the queue into the spool
// folder of the user who printed it.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <iostream>

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
  // CUPS cancels a job with SIGTERM, often while the job is still coming
  // in; taken as an event instead, it lets the backend remove what it has
  // written before it ends.
  sigset_t cancel;
  sigemptyset(&cancel);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&cancel, signal);
  sigprocmask(SIG_BLOCK, &cancel, nullptr);
  const int cancelFd = signalfd(-1, &cancel, SFD_CLOEXEC);
  if (cancelFd < 0) sigprocmask(SIG_UNBLOCK, &cancel, nullptr);

  qb::CupsBackendSetup setup;
  setup.programFolder = BackendProgramFolder();
  setup.loginUids = qb::ReadLoginUidRange();
  setup.input = STDIN_FILENO;
  setup.cancelFd = cancelFd;
  const int status = qb::RunCupsBackend(std::vector<std::string>(argv + 1, argv + argc), setup, std::cout, std::cerr);
  if (cancelFd >= 0) close(cancelFd);
  return status;
}
