#include "toolkit/app/TTimer.h"

#include "platform/window/MessageApi.h"
#include "toolkit/app/HiddenWindow.h"
#include "toolkit/app/TApplication.h"

namespace qb {

namespace {

constexpr char16_t kTimerWindowClass[] = u"TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = CreateHiddenWindow(kTimerWindowClass, &WindowProcedure, this);
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(UINT interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_.Get(), kTimerId);
  const TComponentState state = ComponentState();
  running_ = enabled_ && interval_ > 0 && onTimer_ && !state.Contains(csLoading) &&
             !state.Contains(csDesigning) && !state.Contains(csDestroying);
  if (running_) SetTimer(window_.Get(), kTimerId, interval_, nullptr);
}

LRESULT TTimer::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (message == WM_TIMER && timer != nullptr && timer->running_) {
    // A handler may stop the timer or destroy it with its owner; the copy
    // keeps the handler alive for the call.
    TNotifyEvent handler = timer->onTimer_;
    try {
      handler(timer);
    } catch (...) {
      TApplication* application = Application();
      if (application == nullptr) throw;
      application->HandleException(std::current_exception());
    }
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace qb
