#include "watch/TChangeNotify.h"

#include <string>
#include <utility>

#include "platform/files/FileAttributes.h"
#include "platform/notify/ChangeNotification.h"
#include "platform/text/Utf.h"
#include "platform/thread/LastError.h"
#include "watch/TChangeThread.h"
#include "watch/WatchErrors.h"

namespace qb {

namespace {

void CloseAll(TChangeThread::Handles& handles) {
  for (HANDLE& handle : handles) {
    if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
    handle = INVALID_HANDLE_VALUE;
  }
}

std::string SystemErrorText(DWORD code) {
  char16_t text[256];
  const DWORD length =
      FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, code, 0, text, 256);
  return ToUtf8(std::u16string_view(text, length));
}

}  // namespace

TChangeNotify::TChangeNotify(TComponent* owner)
    : TComponent(owner), notifications_(std::make_unique<TChangeItems>(this)) {}

TChangeNotify::~TChangeNotify() {
  Destroying();
  *alive_ = false;
  if (worker_) worker_->SetFreeOnTerminate(false);
  freeOnTerminate_ = false;
  // Not through SetActive, which only stores while loading.
  active_ = false;
  StopWorker();
}

void TChangeNotify::SetActive(bool value) {
  if (ComponentState().Contains(csLoading)) {
    active_ = value;
    return;
  }
  if (value) {
    if (!active_) Activate();
    return;
  }
  active_ = false;
  StopWorker();
}

void TChangeNotify::Activate() {
  active_ = true;
  const int count = notifications_->Count();
  TChangeThread::Handles handles;
  handles.fill(INVALID_HANDLE_VALUE);
  try {
    if (count > TChangeItems::kMaxItems)
      throw EWatchException("Maximum of " + std::to_string(TChangeItems::kMaxItems) +
                            " items exceeded");
    for (int i = 0; i < count; ++i) {
      const TChangeItem* item = notifications_->Items(i);
      const std::u16string& directory = item->Directory();
      if (directory.empty() || !FolderExists(directory))
        throw EWatchException("Invalid or empty path (\"" + ToUtf8(directory) + "\") at index " +
                              std::to_string(i));
      handles[i] = FindFirstChangeNotification(directory, item->IncludeSubTrees(),
                                               NotifyFilter(item->Actions()));
      if (handles[i] == INVALID_HANDLE_VALUE)
        throw EChangeNotifyException(SystemErrorText(GetLastError()) + ":\r\n" + ToUtf8(directory));
    }
    StopWorker();
  } catch (...) {
    CloseAll(handles);
    active_ = false;
    throw;
  }
  // From here on the worker owns the handles.
  auto worker = std::make_unique<TChangeThread>(handles, count, checkInterval_, freeOnTerminate_);
  worker->SetCallback([this](TChangeThread* w, int index) { HandleWorkerEvent(w, index); });
  try {
    worker->Start();
  } catch (...) {
    active_ = false;
    throw;
  }
  worker_ = worker.release();
}

// The flags are read before the stop request: from then on a worker that
// releases itself may be gone at any moment.
void TChangeNotify::StopWorker() {
  TChangeThread* worker = std::exchange(worker_, nullptr);
  if (!worker) return;
  const bool suspended = worker->Suspended();
  bool releasesItself = worker->FreeOnTerminate();
  // A worker whose hand-off is running cannot be waited for here; it
  // finishes once the handler returns, so it is left to release itself.
  if (worker == delivering_ && !releasesItself) {
    worker->SetFreeOnTerminate(true);
    releasesItself = true;
  }
  worker->SetCallback(nullptr);
  worker->Terminate();
  if (suspended) worker->Start();
  if (releasesItself) return;
  worker->WaitFor();
  delete worker;
}

void TChangeNotify::SetCheckInterval(int value) {
  if (active_ && !ComponentState().Contains(csLoading))
    throw EWatchException("Cannot change Interval when active");
  if (value > 0) checkInterval_ = value;
}

void TChangeNotify::SetNotifications(const TChangeItems* value) { notifications_->Assign(value); }

void TChangeNotify::SetFreeOnTerminate(bool value) {
  if (ComponentState().Contains(csLoading)) {
    freeOnTerminate_ = value;
    return;
  }
  const bool wasActive = active_;
  try {
    SetActive(false);
    freeOnTerminate_ = value;
  } catch (...) {
    SetActive(wasActive);
    throw;
  }
  SetActive(wasActive);
}

void TChangeNotify::Loaded() {
  TComponent::Loaded();
  if (active_) {
    active_ = false;
    SetActive(true);
  }
}

void TChangeNotify::DeliverChange(TChangeItem* item) {
  if (!item) return;
  item->FireChange();
  if (OnChangeNotify) OnChangeNotify(this, item->Directory(), item->Actions());
}

void TChangeNotify::HandleWorkerEvent(TChangeThread* worker, int index) {
  TChangeItem* item = index < notifications_->Count() ? notifications_->Items(index) : nullptr;
  // A handler may destroy this component; then nothing here may touch it.
  const std::shared_ptr<const bool> alive = alive_;
  TChangeThread* const outer = std::exchange(delivering_, worker);
  try {
    DeliverChange(item);
  } catch (...) {
    if (*alive) {
      // The error ends the worker once it gets there: watching is over.
      if (worker == worker_) {
        active_ = false;
        StopWorker();
      }
      delivering_ = outer;
    }
    throw;
  }
  if (*alive) delivering_ = outer;
}

}  // namespace qb
