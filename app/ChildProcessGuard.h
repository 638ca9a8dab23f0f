// Keeps a started child from outliving the tool.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include "platform/process/Process.h"

namespace qb {

// While the guard lives, a termination signal (SIGTERM, SIGINT, SIGHUP) that
// would end the tool first sends SIGTERM to the child's process group and
// then ends the tool as the signal says. A signal the tool ignores or
// handles otherwise is left alone. A guard that goes while the child still
// runs (its waiter was left by an exception, so nobody will read the
// result) ends the group as well. Children of CreateProcess lead a process
// group of their own, so the group holds the child and whatever it started.
class ChildProcessGuard {
 public:
  explicit ChildProcessGuard(Process& child);
  ~ChildProcessGuard();
  ChildProcessGuard(const ChildProcessGuard&) = delete;
  ChildProcessGuard& operator=(const ChildProcessGuard&) = delete;

 private:
  Process& child_;
  pid_t outerGroup_;
  struct Installed {
    int signal;
    bool ours;
    struct sigaction previous;
  };
  Installed installed_[3];
};

}  // namespace qb
