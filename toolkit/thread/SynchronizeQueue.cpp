#include "toolkit/thread/SynchronizeQueue.h"

#include <utility>

#include "platform/Check.h"

namespace qb {

SynchronizeQueue& SynchronizeQueue::Instance() {
  static SynchronizeQueue queue;
  return queue;
}

void SynchronizeQueue::SetWakeMainThread(std::function<void()> wake) {
  std::lock_guard lock(mutex_);
  wake_ = std::move(wake);
}

void SynchronizeQueue::Run(const std::function<void()>& method) {
  if (IsMainThread()) {
    method();
    return;
  }
  Call call{&method, nullptr, false};
  std::function<void()> wake;
  {
    std::lock_guard lock(mutex_);
    calls_.push_back(&call);
    wake = wake_;
  }
  queued_.notify_all();
  if (wake) wake();
  std::unique_lock lock(mutex_);
  ran_.wait(lock, [&] { return call.done; });
  if (call.error) std::rethrow_exception(call.error);
}

bool SynchronizeQueue::CheckSynchronize() {
  QB_CHECK(IsMainThread());
  bool any = false;
  for (;;) {
    std::deque<Call*> calls;
    {
      std::lock_guard lock(mutex_);
      calls.swap(calls_);
    }
    if (calls.empty()) return any;
    any = true;
    for (Call* call : calls) {
      std::exception_ptr error;
      try {
        (*call->method)();
      } catch (...) {
        error = std::current_exception();
      }
      // Once done is set the worker may return and its call record is gone.
      std::lock_guard lock(mutex_);
      call->error = std::move(error);
      call->done = true;
      ran_.notify_all();
    }
  }
}

void SynchronizeQueue::ServeUntil(const std::function<bool()>& done) {
  QB_CHECK(IsMainThread());
  for (;;) {
    CheckSynchronize();
    std::unique_lock lock(mutex_);
    queued_.wait(lock, [&] { return !calls_.empty() || done(); });
    if (calls_.empty()) return;
  }
}

void SynchronizeQueue::Signal() {
  std::lock_guard lock(mutex_);
  queued_.notify_all();
}

}  // namespace qb
