// TskSkinForm: how the form and its layered frame appear. A form with the
// layered frame is shown fully transparent with its frame at alpha 0; the
// show timer then makes both visible at once, so the window is never seen
// without its frame. A form with alpha blending or an animation fades in.
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/window/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/AlphaRamp.h"
#include "skin/frame/ProcessPendingMessages.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "toolkit/app/TApplication.h"

namespace qb {

// The form counts as visible once it is asked to show: its window becomes
// visible only after the show message.
bool TskSkinForm::FormVisible() const { return form_.Visible(); }

void TskSkinForm::SetFormLayered(bool layered) {
  if (!form_.HandleAllocated()) return;
  HWND hwnd = form_.Handle();
  const LONG exStyle = GetWindowLong(hwnd, GWL_EXSTYLE);
  const LONG wanted = layered ? exStyle | LONG(WS_EX_LAYERED) : exStyle & ~LONG(WS_EX_LAYERED);
  if (wanted != exStyle) SetWindowLong(hwnd, GWL_EXSTYLE, wanted);
}

void TskSkinForm::SetFormOpacity(BYTE alpha) {
  if (form_.HandleAllocated()) SetLayeredWindowAttributes(form_.Handle(), 0, alpha, LWA_ALPHA);
}

void TskSkinForm::OnShowWindow(TMessage& m) {
  if (m.WParam == 0) {
    glowLayer_->Hide();
    RemoveInActiveCover();
    oldWindowProc_(m);
    CancelShow();
    HideLayer();
    return;
  }
  ApplyFirstShowPosition();
  const bool animateAll = skinData_ != nullptr && skinData_->AnimationForAllWindows;
  if (animateAll && alphaBlendValue_ == 0) alphaBlendValue_ = 255;
  const bool fade = alphaBlend_ || AlphaBlendAnimation || animateAll;
  showMode_ = fade ? ShowMode::kFade : LayeredActive() ? ShowMode::kQuick : ShowMode::kNone;
  if (showMode_ != ShowMode::kNone && form_.HandleAllocated()) {
    SetFormLayered(true);
    SetFormOpacity(0);
    if (LayeredActive() && FormVisible()) {
      layer_->ScaleLayerAlpha(0, false);
      ShowLayerAtForm();
    }
    SetTimer(form_.Handle(), kShowTimerId, 1, nullptr);
  }
  if (skinnable_) ForceRelayout();
  oldWindowProc_(m);
  if (showMode_ == ShowMode::kNone && !animateAll && FormVisible() && LayeredActive()) {
    ProcessPendingMessages();
    ShowLayerAtForm();
  }
}

void TskSkinForm::OnShowTimer() {
  if (form_.HandleAllocated()) KillTimer(form_.Handle(), kShowTimerId);
  const ShowMode mode = showMode_;
  showMode_ = ShowMode::kNone;
  const bool layered = LayeredActive() && FormVisible();
  if (mode == ShowMode::kQuick) {
    SetFormLayered(false);
    if (layered) {
      layer_->SetLayerActive(form_.Active(), false);
      layer_->ScaleLayerAlpha(255, true);
    }
    return;
  }
  if (mode != ShowMode::kFade) return;
  if (layered) layer_->SetLayerActive(form_.Active(), false);
  const bool animateAll = skinData_ != nullptr && skinData_->AnimationForAllWindows;
  const bool animate = AlphaBlendAnimation || animateAll;
  const int target = animate && !alphaBlend_ ? 255 : alphaBlendValue_;
  const bool outerFrameOnly = layered && !layer_->FullBorder();
  if (animate) {
    ProcessPendingMessages();
    RampAlpha(target, [this](int alpha) {
      SetFormOpacity(BYTE(alpha));
      layer_->ScaleLayerAlpha(alpha, true);
    });
    if (outerFrameOnly) layer_->UpdateLayer();
  } else if (target != 255) {
    SetFormOpacity(BYTE(target));
    layer_->ScaleLayerAlpha(target, true);
    if (outerFrameOnly) layer_->UpdateLayer();
  }
  if (target == 255) {
    SetFormLayered(false);
    layer_->ScaleLayerAlpha(255, true);
  }
}

// A form hidden before its show timer came must not keep the transparency
// of the show: the next show may not make it visible again.
void TskSkinForm::CancelShow() {
  if (showMode_ == ShowMode::kNone) return;
  showMode_ = ShowMode::kNone;
  if (form_.HandleAllocated()) KillTimer(form_.Handle(), kShowTimerId);
  if (alphaBlend_)
    SetFormOpacity(alphaBlendValue_);
  else
    SetFormLayered(false);
  layer_->ScaleLayerAlpha(255, false);
}

void TskSkinForm::OnSysCommandRestore(TMessage& m) {
  if (OnRestore) OnRestore(this);
  TApplication* application = Application();
  const bool mainOnTaskBar = application != nullptr && application->MainFormOnTaskBar() && IsMainForm();
  oldWindowProc_(m);
  if (!LayeredActive() || !mainOnTaskBar) return;
  // The application's minimized state is its hidden main form.
  if (!FormVisible()) form_.Show();
  if (!LayerShown()) ShowLayerAtForm();
}

void TskSkinForm::OnResumeLayered() {
  if (!layeredSuspended_) return;
  layeredSuspended_ = false;
  if (!FormVisible() || !LayeredActive()) return;
  ProcessPendingMessages();
  layer_->SetLayerActive(formActiveFlag_, false);
  layer_->FadeInLayer();
}

}  // namespace qb
