#include "app/ChildProcessGuard.h"

#include <atomic>

namespace qb {
namespace {

// A signal handler reaches nothing but globals; lock-free atomics are safe
// to use there.
constexpr pid_t kStarting = -1;
std::atomic<pid_t> guardedGroup{0};
std::atomic<int> heldSignal{0};
static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void EndGroupThenDie(pid_t group, int signal) {
  if (group > 0) kill(-group, SIGTERM);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  // Blocked while a handler for it runs, so delivered with the default
  // action as soon as the handler returns; outside a handler at once.
  raise(signal);
}

void OnTermination(int signal) {
  // Noted before the group is read: Guard() stores the group before it looks
  // at the note, so one of the two always sees the other.
  heldSignal.store(signal);
  const pid_t group = guardedGroup.load();
  if (group == kStarting) return;
  EndGroupThenDie(group, signal);
}

}  // namespace

ChildProcessGuard::ChildProcessGuard()
    : outerGroup_(guardedGroup.exchange(kStarting)),
      installed_{{SIGTERM, false, {}}, {SIGINT, false, {}}, {SIGHUP, false, {}}} {
  heldSignal.store(0);
  for (Installed& entry : installed_) {
    sigaction(entry.signal, nullptr, &entry.previous);
    if (entry.previous.sa_handler != SIG_DFL || (entry.previous.sa_flags & SA_SIGINFO) != 0) continue;
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    sigaction(entry.signal, &action, nullptr);
    entry.ours = true;
  }
}

void ChildProcessGuard::Guard(Process& child) {
  child_ = &child;
  guardedGroup.store(child.Id());
  if (const int signal = heldSignal.load()) EndGroupThenDie(child.Id(), signal);
}

ChildProcessGuard::~ChildProcessGuard() {
  for (const Installed& entry : installed_) {
    if (entry.ours) sigaction(entry.signal, &entry.previous, nullptr);
  }
  guardedGroup.store(outerGroup_);
  if (child_ != nullptr && !child_->ExitCode()) kill(-child_->Id(), SIGTERM);
  // A signal held while no child could be started still ends the tool.
  if (const int signal = heldSignal.exchange(0); signal != 0 && child_ == nullptr) EndGroupThenDie(0, signal);
}

}  // namespace qb
