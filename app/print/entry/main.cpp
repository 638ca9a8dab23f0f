// quillbrook-print: puts a PostScript job into the spool folder and starts
// the tool of the installation it belongs to.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <iostream>

#include "app/print/PrintCommand.h"
#include "platform/files/ProgramFolder.h"

int main(int argc, char** argv) {
  // A print system cancels a job with one of these signals, often while the
  // job is still coming in; taken as events instead, they let the command
  // remove what it has written before it ends.
  sigset_t cancel;
  sigemptyset(&cancel);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&cancel, signal);
  sigprocmask(SIG_BLOCK, &cancel, nullptr);
  const int cancelFd = signalfd(-1, &cancel, SFD_CLOEXEC);
  if (cancelFd < 0) sigprocmask(SIG_UNBLOCK, &cancel, nullptr);

  const int status = qb::RunPrintCommand(std::vector<std::string>(argv + 1, argv + argc), qb::GetProgramFolder(),
                                         STDIN_FILENO, std::cerr, cancelFd);
  if (cancelFd >= 0) close(cancelFd);
  return status;
}
