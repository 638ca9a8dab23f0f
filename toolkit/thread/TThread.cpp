#include "toolkit/thread/TThread.h"

#include <utility>

#include "platform/Check.h"
#include "toolkit/thread/SynchronizeQueue.h"

namespace qb {

TThread::~TThread() {
  std::lock_guard lock(mutex_);
  QB_CHECK(!started_ || finished_.load());
  if (thread_.joinable()) thread_.join();
}

void TThread::Start() {
  std::lock_guard lock(mutex_);
  if (started_) return;
  started_ = true;
  thread_ = std::thread([this] { Run(); });
}

bool TThread::Suspended() const {
  std::lock_guard lock(mutex_);
  return !started_;
}

bool TThread::FreeOnTerminate() const {
  std::lock_guard lock(mutex_);
  return freeOnTerminate_;
}

void TThread::SetFreeOnTerminate(bool value) {
  std::lock_guard lock(mutex_);
  freeOnTerminate_ = value;
}

std::exception_ptr TThread::FatalException() const {
  std::lock_guard lock(mutex_);
  return fatal_;
}

void TThread::WaitFor() {
  QB_CHECK(!Suspended());
  SynchronizeQueue& queue = SynchronizeQueue::Instance();
  if (queue.IsMainThread()) {
    queue.ServeUntil([this] { return Finished(); });
    return;
  }
  std::unique_lock lock(mutex_);
  finishedChanged_.wait(lock, [this] { return finished_.load(); });
}

void TThread::Synchronize(const std::function<void()>& method) {
  SynchronizeQueue::Instance().Run(method);
}

void TThread::Run() {
  std::exception_ptr fatal;
  try {
    Execute();
  } catch (...) {
    fatal = std::current_exception();
  }
  bool freeSelf;
  {
    // Start holds the lock until thread_ is assigned, so the detach below
    // never races with it.
    std::lock_guard lock(mutex_);
    fatal_ = std::move(fatal);
    freeSelf = freeOnTerminate_;
    if (freeSelf) thread_.detach();
    finished_.store(true);
    finishedChanged_.notify_all();
  }
  // From here on a waiter may delete this object.
  SynchronizeQueue::Instance().Signal();
  if (freeSelf) delete this;
}

}  // namespace qb
