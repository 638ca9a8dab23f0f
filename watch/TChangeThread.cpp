#include "watch/TChangeThread.h"

#include <chrono>
#include <exception>
#include <thread>

namespace qb {

TChangeThread::TChangeThread(const Handles& handles, int count, int timeout, bool freeOnTerminate)
    : handles_(handles), count_(count), timeout_(DWORD(timeout)) {
  for (int i = count_; i < int(handles_.size()); ++i) handles_[i] = INVALID_HANDLE_VALUE;
  SetFreeOnTerminate(freeOnTerminate);
}

TChangeThread::~TChangeThread() { CloseHandles(); }

void TChangeThread::Execute() {
  struct Closer {
    TChangeThread* worker;
    ~Closer() { worker->CloseHandles(); }
  } closer{this};
  while (!Terminated()) {
    const DWORD result = WaitForMultipleObjects(DWORD(count_), handles_.data(), FALSE, timeout_);
    if (result < WAIT_OBJECT_0 + DWORD(count_) && !Terminated()) {
      lastIndex_ = int(result - WAIT_OBJECT_0);
      std::exception_ptr failure;
      try {
        // The callback may be cleared while it runs, so it runs from a copy.
        Synchronize([this] {
          if (const Callback callback = callback_) callback(this, lastIndex_);
        });
      } catch (...) {
        failure = std::current_exception();
      }
      FindNextChangeNotification(handles_[lastIndex_]);
      if (failure) std::rethrow_exception(failure);
    } else if (result == WAIT_FAILED) {
      // A wait that fails returns at once; without the pause the worker would
      // spin until it is stopped.
      std::this_thread::sleep_for(std::chrono::milliseconds(timeout_));
    }
  }
}

void TChangeThread::CloseHandles() {
  for (HANDLE& handle : handles_) {
    if (handle == INVALID_HANDLE_VALUE) continue;
    FindCloseChangeNotification(handle);
    handle = INVALID_HANDLE_VALUE;
  }
}

}  // namespace qb
