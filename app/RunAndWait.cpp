#include "app/RunAndWait.h"

#include <chrono>
#include <thread>

#include "app/ChildProcessGuard.h"
#include "app/TerminationSignals.h"
#include "platform/process/Process.h"
#include "toolkit/app/TApplication.h"

namespace qb {

int RunAndWait(std::u16string_view commandLine, int /*showValue*/) {
  if (TerminationSignals::Taken() != 0) return -1;
  std::optional<Process> process = CreateProcess(commandLine);
  if (!process) return -1;
  ChildProcessGuard guard(*process);
  while (WaitForSingleObject(*process, 0) == WAIT_TIMEOUT) {
    // Looked at before each wait, so that a signal that came while the
    // program was being started is seen too.
    if (TerminationSignals::Taken() != 0) {
      guard.EndChild();
      break;
    }
    if (TApplication* application = Application()) application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  WaitForSingleObject(*process, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(*process, &exitCode);
  return int(exitCode);
}

}  // namespace qb
