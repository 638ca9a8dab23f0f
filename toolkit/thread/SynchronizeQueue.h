// The hand-off of calls from worker threads to the user-interface thread.
//
// A worker that calls Run queues the call, wakes the user-interface thread
// and blocks until the call has run there; an exception the call raises is
// re-raised in the worker. The user-interface side is CheckSynchronize, which
// that thread runs whenever it is woken (the application posts an empty
// message to its hidden window from the wake-up function and calls
// CheckSynchronize when the message arrives, also inside modal loops).
//
// The user-interface thread is the process's initial thread unless another
// thread takes the role with BindMainThread (tests do).
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

#include "toolkit/thread/ThreadIdentity.h"

namespace qb {

class SynchronizeQueue {
 public:
  static SynchronizeQueue& Instance();

  void BindMainThread() { mainThread_.Bind(); }
  bool IsMainThread() const { return mainThread_.IsCurrent(); }

  // The function that wakes the user-interface thread after a call was
  // queued. It runs on the worker. Empty: nobody is woken, and the
  // user-interface thread must poll or wait with ServeUntil.
  void SetWakeMainThread(std::function<void()> wake);

  // Runs `method` on the user-interface thread and returns when it has run
  // there; on that thread itself it simply calls it. Rethrows what the call
  // raised.
  void Run(const std::function<void()>& method);

  // User-interface thread only: runs every queued call, in queue order.
  // Returns whether any ran.
  bool CheckSynchronize();

  // User-interface thread only: keeps running queued calls until `done`
  // holds. Whoever makes `done` true calls Signal afterwards.
  void ServeUntil(const std::function<bool()>& done);
  void Signal();

 private:
  struct Call {
    const std::function<void()>* method;
    std::exception_ptr error;
    bool done = false;
  };

  ThreadIdentity mainThread_;
  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable ran_;
  std::deque<Call*> calls_;
  std::function<void()> wake_;
};

inline bool CheckSynchronize() { return SynchronizeQueue::Instance().CheckSynchronize(); }

}  // namespace qb
