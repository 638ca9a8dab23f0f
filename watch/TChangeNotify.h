// A non-visual component that watches up to 64 folders for changes on a
// worker thread and delivers each change as an event on the user-interface
// thread, one at a time; the worker waits while a handler runs.
//
// A handler that raises an error ends the watching: the error travels on to
// the worker, which then closes its handles and releases itself; the
// component reads as inactive from then on and delivers nothing more. A
// handler may also deactivate or destroy the component itself; the worker
// then ends as soon as the handler has returned.
#pragma once

#include <memory>

#include "toolkit/component/TComponent.h"
#include "watch/TChangeAction.h"
#include "watch/TChangeItems.h"

namespace qb {

class TChangeThread;

class TChangeNotify : public TComponent {
 public:
  explicit TChangeNotify(TComponent* owner);
  // Waits for the worker, delivering nothing more.
  ~TChangeNotify() override;

  // Activation opens a notification handle per entry and starts the
  // worker; it fails with EWatchException (too many entries, an entry whose
  // folder is empty or missing) or EChangeNotifyException (the system
  // refused a handle) and then leaves the component inactive with no
  // handle open. While loading, the value is only stored.
  bool Active() const { return active_; }
  void SetActive(bool value);

  // The worker's wait time-out in milliseconds: how long it may take to
  // notice a stop. Values of 0 or less are ignored; changing it while
  // active fails with EWatchException "Cannot change Interval when active".
  int CheckInterval() const { return checkInterval_; }
  void SetCheckInterval(int value);

  TChangeItems* Notifications() const { return notifications_.get(); }
  void SetNotifications(const TChangeItems* value);

  // On: deactivation returns at once and the worker releases itself within
  // about CheckInterval. Off: deactivation waits for the worker. Changing it
  // deactivates and then restores the previous Active state.
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool value);

  TChangeNotifyEvent OnChangeNotify;

  // Activates now when Active was loaded as True.
  void Loaded() override;

  // Fires the entry's OnChange, then OnChangeNotify with the entry's folder
  // and actions. Nothing without an entry.
  virtual void DeliverChange(TChangeItem* item);

 private:
  void Activate();
  void StopWorker();
  void HandleWorkerEvent(TChangeThread* worker, int index);

  TChangeThread* worker_ = nullptr;
  bool active_ = false;
  int checkInterval_ = 100;
  std::unique_ptr<TChangeItems> notifications_;
  bool freeOnTerminate_ = true;
  // The worker whose hand-off is running now; it cannot be waited for.
  TChangeThread* delivering_ = nullptr;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qb
