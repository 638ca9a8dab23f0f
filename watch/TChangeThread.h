// The watcher's worker: waits on the notification handles and hands each
// change to the user-interface thread, waiting there until it was handled.
//
// The worker owns the handles it is given and closes every one when it
// ends (also when it ends through an error, or is released without ever
// having run).
#pragma once

#include <array>
#include <functional>

#include "platform/notify/ChangeNotification.h"
#include "toolkit/thread/TThread.h"

namespace qb {

class TChangeThread : public TThread {
 public:
  using Handles = std::array<HANDLE, MAXIMUM_WAIT_OBJECTS>;
  // Runs on the user-interface thread with the worker and the index of the
  // handle that fired.
  using Callback = std::function<void(TChangeThread* worker, int index)>;

  // Created suspended. `count` handles are used; the slots beyond are
  // invalid. `timeout` is the wait's time-out in milliseconds.
  TChangeThread(const Handles& handles, int count, int timeout, bool freeOnTerminate);
  ~TChangeThread() override;

  // User-interface thread only. An empty callback makes hand-offs that are
  // still under way deliver nothing.
  void SetCallback(Callback callback) { callback_ = std::move(callback); }

 protected:
  void Execute() override;

 private:
  void CloseHandles();

  Handles handles_;
  int count_;
  int lastIndex_ = -1;
  DWORD timeout_;
  Callback callback_;
};

}  // namespace qb
