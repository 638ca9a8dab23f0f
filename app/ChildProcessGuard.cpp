#include "app/ChildProcessGuard.h"

#include <atomic>

namespace qb {
namespace {

// A signal handler reaches nothing but globals; a lock-free atomic is safe
// to read there.
std::atomic<pid_t> guardedGroup{0};
static_assert(std::atomic<pid_t>::is_always_lock_free);

void EndGroupThenDie(int signal) {
  const pid_t group = guardedGroup.load();
  if (group > 0) kill(-group, SIGTERM);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  // Blocked while this handler runs; delivered with the default action as
  // soon as it returns.
  raise(signal);
}

}  // namespace

ChildProcessGuard::ChildProcessGuard(Process& child)
    : child_(child), outerGroup_(guardedGroup.exchange(child.Id())),
      installed_{{SIGTERM, false, {}}, {SIGINT, false, {}}, {SIGHUP, false, {}}} {
  for (Installed& entry : installed_) {
    sigaction(entry.signal, nullptr, &entry.previous);
    if (entry.previous.sa_handler != SIG_DFL || (entry.previous.sa_flags & SA_SIGINFO) != 0) continue;
    struct sigaction action {};
    action.sa_handler = EndGroupThenDie;
    sigemptyset(&action.sa_mask);
    sigaction(entry.signal, &action, nullptr);
    entry.ours = true;
  }
}

ChildProcessGuard::~ChildProcessGuard() {
  for (const Installed& entry : installed_) {
    if (entry.ours) sigaction(entry.signal, &entry.previous, nullptr);
  }
  guardedGroup.store(outerGroup_);
  if (!child_.ExitCode()) kill(-child_.Id(), SIGTERM);
}

}  // namespace qb
