#include "app/RunAndWait.h"

#include <chrono>
#include <thread>

#include "app/ChildProcessGuard.h"
#include "platform/process/Process.h"
#include "toolkit/app/TApplication.h"

namespace qb {

int RunAndWait(std::u16string_view commandLine, int /*showValue*/) {
  // The guard goes before the process it guards, and is armed before the
  // child can send anything.
  std::optional<Process> process;
  ChildProcessGuard guard;
  process = CreateProcess(commandLine);
  if (!process) return -1;
  guard.Guard(*process);
  while (WaitForSingleObject(*process, 0) == WAIT_TIMEOUT) {
    if (TApplication* application = Application()) application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  WaitForSingleObject(*process, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(*process, &exitCode);
  return int(exitCode);
}

}  // namespace qb
