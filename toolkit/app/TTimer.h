// A message timer of the user-interface thread: OnTimer runs from the
// message loop every Interval milliseconds while the timer is enabled, has
// an interval above 0 and a handler, and is not being loaded.
#pragma once

#include "platform/window/WindowApi.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TComponent.h"

namespace qb {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Milliseconds; setting it restarts a running timer.
  UINT Interval() const { return interval_; }
  void SetInterval(UINT interval);
  // Assigning restarts the timer when it now qualifies to run.
  void SetOnTimer(TNotifyEvent handler);
  const TNotifyEvent& OnTimer() const { return onTimer_; }

  // The system timer is running.
  bool Running() const { return running_; }

  void Loaded() override;

 private:
  static LRESULT WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  bool enabled_ = true;
  UINT interval_ = 1000;
  TNotifyEvent onTimer_;
  bool running_ = false;
  OwnedWindow window_;
};

}  // namespace qb
