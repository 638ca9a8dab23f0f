// Keeps a started child from outliving the tool.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include "platform/process/Process.h"

namespace qb {

// While the guard lives, a termination signal (SIGTERM, SIGINT, SIGHUP) that
// would end the tool first sends SIGTERM to the guarded child's process
// group and then ends the tool as the signal says. A signal the tool ignores
// or handles otherwise is left alone. Make the guard before starting the
// child: a signal that comes while the child is being started (the child
// itself may send it) is held until Guard() knows whom to end. A guard that
// goes while its child still runs (its waiter was left by an exception, so
// nobody will read the result) ends the group as well. Children of
// CreateProcess lead a process group of their own, so the group holds the
// child and whatever it started.
class ChildProcessGuard {
 public:
  ChildProcessGuard();
  ~ChildProcessGuard();
  ChildProcessGuard(const ChildProcessGuard&) = delete;
  ChildProcessGuard& operator=(const ChildProcessGuard&) = delete;

  // `child` must outlive the guard.
  void Guard(Process& child);

 private:
  Process* child_ = nullptr;
  pid_t outerGroup_;
  struct Installed {
    int signal;
    bool ours;
    struct sigaction previous;
  };
  Installed installed_[3];
};

}  // namespace qb
