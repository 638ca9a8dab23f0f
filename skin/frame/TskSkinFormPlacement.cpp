// TskSkinForm: the window states it manages itself (minimized, maximized,
// normal, rolled up), centring at the first show, and the tray.
#include <vector>

#include "platform/window/InputApi.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowApi.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/FramePlacement.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskTrayIcon.h"
#include "toolkit/app/TApplication.h"

namespace qb {

namespace {

bool IsEmptyRect(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

}  // namespace

// This platform has no window states of its own, so the component's
// placement applies whether or not the frame is skinnable.
void TskSkinForm::SetFrameState(TWindowState state) {
  if (state == frameState_) return;
  const TWindowState previous = frameState_;
  // The main form stands for the application: minimizing it hides the
  // application, and the form itself stays in its state.
  if (state != wsMinimized || !IsMainForm()) frameState_ = state;
  switch (state) {
    case wsNormal:
      if (previous == wsMaximized && rolledUp_ && !rolledUpAtMaximize_) SetRollUp(false);
      rolledUpAtMaximize_ = false;
      Restore();
      break;
    case wsMinimized: Minimize(); break;
    case wsMaximized:
      rolledUpAtMaximize_ = rolledUp_;
      Maximize();
      break;
  }
  RepaintFrame();
}

void TskSkinForm::Minimize() {
  if (IsMainForm()) {
    MinimizeApplication();
  } else {
    if (IsEmptyRect(normalBounds_)) normalBounds_ = form_.BoundsRect();
    std::vector<POINT> taken;
    if (TApplication* application = Application()) {
      for (TCustomForm* other : application->Forms()) {
        TskSkinForm* skinForm = other == &form_ ? nullptr : GetSkinForm(other);
        if (skinForm != nullptr && skinForm->Minimized() && skinForm->FormVisible())
          taken.push_back(POINT{other->Left(), other->Top()});
      }
    }
    const SIZE size{GetMinWidth(), GetMinHeight()};
    const int rollUpHeight = layer_->HasRecord() ? layer_->Record()->rollupformheight : 0;
    const POINT place = MinimizedPlace(PrimaryMonitorRects().work, size, taken, FullBorderActive(),
                                       layer_->LayerMargins(), rollUpHeight);
    form_.SetBounds(place.x, place.y, size.cx, size.cy);
  }
  if (OnMinimize) OnMinimize(this);
}

void TskSkinForm::Maximize() {
  if (IsEmptyRect(normalBounds_)) normalBounds_ = form_.BoundsRect();
  const MonitorRects rects = PrimaryMonitorRects();
  const bool fullBorder = FullBorderActive();
  const RECT r = MaximizedBounds(rects, rects.monitor, MaximizeOnFullScreen, fullBorder, layer_->LayerMargins());
  if (!fullBorder) HideLayer();
  form_.SetBounds(r.left, r.top, Width(r), Height(r));
  if (OnMaximize) OnMaximize(this);
}

void TskSkinForm::Restore() {
  rolledUpWhileMaximized_ = false;
  if (LayeredActive() && !LayerShown() && FormVisible()) ShowLayerAtForm();
  const SIZE before = WindowSize();
  if (!IsEmptyRect(normalBounds_)) {
    if (firstShowPending_ && PositionInMonitor != skpDefault) {
      firstShowPending_ = false;
      CenterForm(SIZE{Width(normalBounds_), Height(normalBounds_)});
    } else {
      if (LayerShown()) layer_->UpdateLayer(normalBounds_);
      form_.SetBounds(normalBounds_.left, normalBounds_.top, Width(normalBounds_), Height(normalBounds_));
    }
  }
  hoverTimer_->SetEnabled(true);
  const SIZE after = WindowSize();
  if (before.cx == after.cx && before.cy == after.cy) ForceRelayout();
  if (form_.HandleAllocated()) form_.Invalidate();
  normalBounds_ = RECT{};
  if (OnRestore) OnRestore(this);
}

// The application has no minimized state of its own here: it is minimized
// by hiding its main form, and TApplication::Restore shows it again.
void TskSkinForm::MinimizeApplication() {
  TApplication* application = Application();
  TCustomForm* mainForm = application != nullptr && application->MainForm() != nullptr ? application->MainForm() : &form_;
  mainForm->Hide();
}

void TskSkinForm::SetRollUp(bool rollUp) {
  if (rollUp == rolledUp_ || !borderIcons_.Contains(TskBorderIcon::biRollUp) || Minimized()) return;
  if (Maximized()) rolledUpWhileMaximized_ = rollUp;
  rolledUp_ = rollUp;
  if (rollUp) {
    heightBeforeRollUp_ = form_.Height();
    const int minHeight = GetMinHeight();
    // The layered frame changes its outer height only with a real size
    // change of the form.
    if (FullBorderActive() && form_.Height() == minHeight) form_.SetHeight(minHeight + 1);
    form_.SetHeight(minHeight);
  } else if (ClientHeight != 0) {
    form_.SetClientHeight(ClientHeight);
  } else {
    form_.SetHeight(heightBeforeRollUp_);
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TskSkinForm::ApplyFirstShowPosition() {
  if (!firstShowPending_) return;
  if (PositionInMonitor == skpDefault) {
    firstShowPending_ = false;
    return;
  }
  // A form shown maximized or minimized is centred at its first restore.
  if (frameState_ != wsNormal) return;
  firstShowPending_ = false;
  CenterForm(WindowSize());
}

void TskSkinForm::CenterForm(SIZE size) {
  const MonitorRects rects = PrimaryMonitorRects();
  const RECT& area = PositionInMonitor == skpDesktopCenter ? rects.work : rects.monitor;
  const POINT p = CenterInMonitor(area, size.cx, size.cy);
  form_.SetBounds(p.x, p.y, size.cx, size.cy);
}

// Tray ----------------------------------------------------------------------

void TskSkinForm::SetTrayIcon(TskTrayIcon* icon) {
  if (icon == trayIcon_) return;
  if (trayIcon_ != nullptr) {
    trayIcon_->DetachFromFrame();
    trayIcon_->RemoveFreeNotification(this);
  }
  trayIcon_ = icon;
  if (icon == nullptr) return;
  icon->FreeNotification(this);
  std::u16string restoreCaption = kTrayRestoreCaption;
  std::u16string closeCaption = kTrayCloseCaption;
  if (skinData_ != nullptr && skinData_->ResourceStrData() != nullptr) {
    const TskResourceStrData& strings = *skinData_->ResourceStrData();
    if (std::u16string text = strings.GetResStr(u"MI_RESTORECAPTION"); !text.empty()) restoreCaption = text;
    if (std::u16string text = strings.GetResStr(u"MI_CLOSECAPTION"); !text.empty()) closeCaption = text;
  }
  icon->AttachToFrame(AlwaysShowInTray, restoreCaption, closeCaption, [this] { RestoreFromTray(); },
                      [this] { ExecuteCommand(TskStdCommand::cmClose); });
}

void TskSkinForm::MinimizeToTray() {
  if (trayIcon_ == nullptr) return;
  trayIcon_->MinimizedToTray = true;
  // The icon is the only way back to a form minimized to the tray.
  trayIcon_->Show();
  MinimizeApplication();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TskSkinForm::RestoreFromTray() {
  if (trayIcon_ == nullptr) return;
  trayIcon_->MinimizedToTray = false;
  TApplication* application = Application();
  TCustomForm* mainForm = application != nullptr && application->MainForm() != nullptr ? application->MainForm() : &form_;
  trayIcon_->RestoreMainForm(*mainForm);
  if (application != nullptr) application->Restore();
  if (!AlwaysShowInTray) trayIcon_->Hide();
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}

void TskSkinForm::OnTrayRestore(const TMessage& m) {
  if (m.LParam != kTrayRestoreMark || !LayeredActive() || !form_.HandleAllocated()) return;
  if (TApplication* application = Application()) {
    for (TCustomForm* other : application->Forms()) {
      if (other != &form_ && other->FormStyle() == fsStayOnTop && other->Visible() && other->HandleAllocated())
        SetWindowPos(other->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  SetForegroundWindow(form_.Handle());
}

}  // namespace qb
