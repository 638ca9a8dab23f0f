#include "app/ChildProcessGuard.h"

#include <signal.h>

namespace qb {

ChildProcessGuard::~ChildProcessGuard() {
  if (!child_.ExitCode()) kill(-child_.Id(), SIGTERM);
}

void ChildProcessGuard::EndChild(std::chrono::milliseconds grace) {
  if (child_.ExitCode()) return;
  kill(-child_.Id(), SIGTERM);
  if (child_.Wait(DWORD(grace.count()))) return;
  kill(-child_.Id(), SIGKILL);
  child_.Wait(INFINITE);
}

}  // namespace qb
