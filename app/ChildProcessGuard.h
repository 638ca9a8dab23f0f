// Keeps a started child, and whatever it started, from outliving the tool.
#pragma once

#include <chrono>

#include "platform/process/Process.h"

namespace qb {

// Children of CreateProcess lead a process group of their own, so the
// group holds the child and what it started; ending the group reaches all
// of them.
class ChildProcessGuard {
 public:
  // `child` must outlive the guard.
  explicit ChildProcessGuard(Process& child) : child_(child) {}
  // A guard that goes while its child still runs (its waiter was left by
  // an exception, so nobody will read the result) sends SIGTERM to the
  // group, without waiting.
  ~ChildProcessGuard();
  ChildProcessGuard(const ChildProcessGuard&) = delete;
  ChildProcessGuard& operator=(const ChildProcessGuard&) = delete;

  // Sends SIGTERM to the group, and SIGKILL when the child has not ended
  // after `grace`; returns once the child has ended.
  void EndChild(std::chrono::milliseconds grace = std::chrono::seconds(10));

 private:
  Process& child_;
};

}  // namespace qb
