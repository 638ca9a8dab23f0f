// TskSkinForm: the window procedure it installs on its form.
#include "platform/window/InputApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/SystemMetrics.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinButtonObject.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSystemMenu.h"

namespace qb {

namespace {

bool ClosesMenus(UINT message) {
  switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY: return true;
    default: return false;
  }
}

bool IsNonClientMouse(UINT message) {
  switch (message) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK: return true;
    default: return false;
  }
}

}  // namespace

POINT TskSkinForm::ToWindow(LPARAM screenPoint) const {
  return POINT{GET_X_LPARAM(screenPoint) - form_.Left(), GET_Y_LPARAM(screenPoint) - form_.Top()};
}

void TskSkinForm::CloseMenus() {
  HideObjectHint();
  if (systemMenu_->IsOpen()) systemMenu_->Close();
}

void TskSkinForm::WindowProcedure(TMessage& message) {
  if (ClosesMenus(message.Msg)) CloseMenus();
  if (PreHandle(message)) return;
  oldWindowProc_(message);
  if (skinnable_ && IsNonClientMouse(message.Msg)) PostHandle(message, message.WParam);
  // While a frame object holds the mouse, the window gets the pointer as
  // client input; the object must still learn when the pointer leaves it,
  // or a release off the button would count as a click.
  if (message.Msg == WM_MOUSEMOVE && capturedIndex_ != -1 && form_.HandleAllocated()) {
    POINT origin{0, 0};
    ClientToScreen(form_.Handle(), &origin);
    UpdateHotObject(GET_X_LPARAM(message.LParam) + origin.x - form_.Left(),
                    GET_Y_LPARAM(message.LParam) + origin.y - form_.Top(), true);
  }
  if (message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP) {
    if (capturedIndex_ != -1 && std::size_t(capturedIndex_) < frameObjects_.size()) {
      frameObjects_[std::size_t(capturedIndex_)]->MouseUp(-1, -1, message.Msg == WM_LBUTTONUP ? mbLeft : mbRight);
      capturedIndex_ = -1;
      ReleaseCapture();
    }
  }
}

// Returns true when the message was handled here and the form's procedure
// must not run.
bool TskSkinForm::PreHandle(TMessage& m) {
  const bool s = skinnable_;
  switch (m.Msg) {
    case WM_DESTROY:
      hoverTimer_->SetEnabled(false);
      morphTimer_->SetEnabled(false);
      animationTimer_->SetEnabled(false);
      return false;
    case WM_SIZE:
      OnSize(m);
      return true;
    case WM_ACTIVATE:
      if (!s) return false;
      oldWindowProc_(m);
      SendNcPaint();
      ResetObjectStates();
      UpdateCaptionActive(true);
      return true;
    case WM_SETTEXT:
      if (!s) return false;
      oldWindowProc_(m);
      if (form_.BorderStyle() != bsNone) RepaintFrame();
      return true;
    case WM_ERASEBKGND:
      PaintClientBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return true;
    case WM_SHOWWINDOW:
      OnShowWindow(m);
      return true;
    case WM_TIMER:
      if (m.WParam == kShowTimerId && showMode_ != ShowMode::kNone) OnShowTimer();
      return false;
    case WM_WINDOWPOSCHANGED:
      if (auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam); pos != nullptr && LayerShown()) {
        if (pos->flags & SWP_HIDEWINDOW)
          HideLayer();
        else
          FollowPosition(*pos);
      }
      return false;
    case WM_SETCURSOR:
      if (s && UseFormCursorInNCArea) {
        const WORD hit = LOWORD(m.LParam);
        if (hit != HTCLIENT && !(hit >= HTLEFT && hit <= HTBOTTOMRIGHT))
          m.LParam = LPARAM((DWORD(m.LParam) & 0xFFFF0000u) | DWORD(HTCLIENT));
      }
      return false;
    case WM_GETMINMAXINFO:
      if (!s) return false;
      oldWindowProc_(m);
      if (auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam)) {
        info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
        const SIZE largest = GetMaxSize();
        info->ptMaxTrackSize = POINT{largest.cx, largest.cy};
      }
      return true;
    case WM_DISPLAYCHANGE:
      if (form_.BorderStyle() != bsNone) {
        const SIZE largest = GetMaxSize();
        if (largest.cx < form_.Width() || largest.cy < form_.Height()) ForceRelayout();
      }
      return false;
    case WM_NCCALCSIZE: {
      if (!s) return false;
      RECT& r = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : *reinterpret_cast<RECT*>(m.LParam);
      if (form_.BorderStyle() != bsNone) r = ClientRectFor(r);
      m.Result = skinned_ && FullBorderActive() ? 1 : 0;
      return true;
    }
    case WM_NCHITTEST: {
      if (FullBorderActive() && LayerShown()) {
        m.Result = HTCLIENT;
        return true;
      }
      if (!s) return false;
      const POINT p = ToWindow(m.LParam);
      m.Result = skinned_ ? HitTest(p) : DefaultHitTest(p);
      if (m.Result == HTOBJECT && !hoverTimer_->Enabled()) {
        UpdateHotObject(p.x, p.y, true);
        hoverTimer_->SetEnabled(true);
      }
      return true;
    }
    case WM_NCPAINT:
      if (!s) return false;
      if (form_.BorderStyle() == bsNone) return true;
      if (skinned_) {
        if (FullBorderActive())
          m.Result = 1;
        else
          PaintFrame();
      } else if (!skinChangeInProgress_ && !(skinData_ != nullptr && skinData_->SkinChanging())) {
        PaintDefaultFrame();
      }
      return true;
    case WM_NCACTIVATE:
      if (!s) return false;
      OnNcActivate(m);
      return true;
    case WM_SYNCPAINT:
      if (!s || !rolledUp_) return false;
      SendNcPaint();
      m.Result = 0;
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_RESTORE) {
        OnSysCommandRestore(m);
        return true;
      }
      return (m.WParam & 0xFFF0) == SC_KEYMENU;
    case WM_SIZING:
      if (inSizeMove_ && fullWindowDrag_) {
        sizedInLoop_ = true;
        layerDragActive_ = false;
        snap_.ClearFlags();
        oldWindowProc_(m);
        if (auto* r = reinterpret_cast<RECT*>(m.LParam)) {
          frameWidth_ = std::max<int>(Width(*r), GetMinWidth());
          frameHeight_ = std::max<int>(Height(*r), GetMinHeight());
        }
        if (skinData_ == nullptr || (skinnable_ && !skinned_)) {
          UpdateRegion(true);
        } else if (skinned_ && skinnable_ && WindowSize().cx >= GetMinWidth() && WindowSize().cy >= GetMinHeight() &&
                   (WindowSize().cx != frameWidth_ || WindowSize().cy != frameHeight_)) {
          // A size that also moves the window reaches the frame with the
          // move (WM_WINDOWPOSCHANGED), so that both come in one step.
          const RECT* r = reinterpret_cast<const RECT*>(m.LParam);
          const bool moves = r != nullptr && (r->left != form_.Left() || r->top != form_.Top());
          if (LayeredActive() && LayerShown() && !moves)
            layer_->UpdateLayer(RECT{form_.Left(), form_.Top(), form_.Left() + frameWidth_, form_.Top() + frameHeight_});
          UpdateFrame(true);
        }
        return true;
      }
      return false;
    case WM_MOVING:
      if (auto* r = reinterpret_cast<RECT*>(m.LParam); s && r != nullptr) {
        const SIZE size = WindowSize();
        if (Maximized()) {
          *r = RECT{form_.Left(), form_.Top(), form_.Left() + size.cx, form_.Top() + size.cy};
        } else if (Magnetic) {
          const POINT p = LayerSnap(r->left, r->top, size.cy, size.cx);
          *r = RECT{p.x, p.y, p.x + size.cx, p.y + size.cy};
        }
      }
      return false;
    case WM_ENTERSIZEMOVE:
      if (!s) return false;
      for (const auto& object : frameObjects_) {
        object->MouseIn = false;
        object->ActiveLook = false;
      }
      hoverTimer_->SetEnabled(false);
      hotIndex_ = capturedIndex_ = -1;
      inSizeMove_ = true;
      GetCursorPos(&snap_.SnapAnchor);
      {
        BOOL full = TRUE;
        SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        fullWindowDrag_ = full != FALSE;
      }
      return false;
    case WM_EXITSIZEMOVE:
      if (!s) return false;
      if (sizedInLoop_ && (WindowSize().cx != frameWidth_ || WindowSize().cy != frameHeight_)) {
        frameWidth_ = WindowSize().cx;
        frameHeight_ = WindowSize().cy;
        UpdateFrame(true);
      }
      sizedInLoop_ = inSizeMove_ = false;
      hoverTimer_->SetEnabled(false);
      hotIndex_ = capturedIndex_ = -1;
      if (skinned_) SendNcPaint();
      if (LayeredActive() && LayerShown()) layer_->UpdateLayer();
      return false;
    case SKM_BEFORECHANGE:
    case SKM_CHANGE:
      OnSkinChange(m);
      return false;
    case SKM_AFTERCHANGE:
      if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
      return false;
    case SKM_CLOSEMENUS:
      CloseMenus();
      return false;
    case SKM_STRINGSCHANGED:
      UpdateObjectHints();
      return false;
    case SKM_SKINNABLEFORMCHANGED:
      if (reinterpret_cast<TskSkinData*>(m.WParam) == skinData_ && skinData_ != nullptr)
        Rehook(skinData_->SkinnableForm());
      return false;
    // The display starting or stopping to blend per-pixel alpha switches the
    // layered frame on or off as the skin's own switch would.
    case WM_DWMCOMPOSITIONCHANGED:
    case SKM_LAYEREDBORDERSCHANGED: {
      SaveFrameBounds();
      const bool visible = form_.HandleAllocated() && IsWindowVisible(form_.Handle());
      if (LayeredActive() && visible && !LayerShown()) {
        ShowLayerAtForm();
        RestoreFrameBounds();
      } else if (!LayeredActive() && LayerShown()) {
        HideLayer();
        RestoreFrameBounds();
      }
      if (skinData_ != nullptr && skinData_->LayerFrame().fullborder) ApplySkin();
      return false;
    }
    case SKM_QUERYSKINNEDFRAME:
      m.Result = s ? SKM_SKINNEDFRAME_RESULT : SKM_UNSKINNEDFRAME_RESULT;
      return true;
    case SKM_SUSPENDLAYERED:
      layeredSuspended_ = true;
      return false;
    case SKM_RESUMELAYERED:
      OnResumeLayered();
      return false;
    case SKM_TRAYRESTORE:
      OnTrayRestore(m);
      return false;
    case SKM_PAINTFRAME:
    case SKM_PAINTFRAMEEX:
      if (m.Msg == SKM_PAINTFRAMEEX && m.LParam != SKM_PAINTFRAMEEX_LPARAM) return false;
      if (m.WParam != 0 && form_.BorderStyle() != bsNone) {
        if (skinned_)
          PaintFrame(reinterpret_cast<HDC>(m.WParam));
        else
          PaintDefaultFrame(reinterpret_cast<HDC>(m.WParam));
      }
      m.Result = m.Msg == SKM_PAINTFRAME ? SKM_PAINTFRAME_RESULT : SKM_PAINTFRAMEEX_LPARAM;
      return true;
    default: return false;
  }
}

void TskSkinForm::FollowPosition(const WINDOWPOS& pos) {
  if (pos.flags & SWP_NOMOVE) return;
  if (layerDragActive_ && !sizedInLoop_ && !(pos.flags & SWP_NOSIZE)) {
    frameWidth_ = pos.cx;
    frameHeight_ = pos.cy;
  }
  if (!sizedInLoop_)
    layer_->MoveLayer(pos.x, pos.y);
  else if (LayeredActive())
    layer_->UpdateLayer(RECT{pos.x, pos.y, pos.x + frameWidth_, pos.y + frameHeight_});
}

void TskSkinForm::OnSize(TMessage& m) {
  if (inSizeMove_ && fullWindowDrag_) {
    if (!LogoBitMap.Empty() && form_.HandleAllocated()) form_.Invalidate();
    oldWindowProc_(m);
    return;
  }
  if (!layerDragActive_) {
    oldWindowProc_(m);
    frameWidth_ = WindowSize().cx;
    frameHeight_ = WindowSize().cy;
  }
  snap_.ClearFlags();
  if (skinned_ && skinnable_ && frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) {
    if (LayeredActive() && LayerShown() && !forcingRelayout_) layer_->UpdateLayer();
    UpdateFrame(true);
  } else if (!skinned_ && skinnable_) {
    UpdateRegion(true);
    SendNcPaint();
  }
  if (layerDragActive_) oldWindowProc_(m);
  if (!LogoBitMap.Empty() && form_.HandleAllocated()) form_.Invalidate();
}

void TskSkinForm::OnNcActivate(TMessage& m) {
  layerDragActive_ = false;
  CloseMenus();
  glowLayer_->Hide();
  formActiveFlag_ = m.WParam != 0;
  if (!formActiveFlag_) UpdateHotObject(-1, -1, false);
  m.Result = TRUE;
  if (form_.BorderStyle() == bsNone) {
    UpdateCaptionActive(false);
    return;
  }
  SendNcPaint();
  UpdateCaptionActive(true);
  UpdateInActiveCover();
  const bool visible = form_.HandleAllocated() && IsWindowVisible(form_.Handle());
  if (visible && LayeredActive())
    layer_->SetLayerActive(formActiveFlag_, true);
  else if (!visible && LayeredActive())
    HideLayer();
}

void TskSkinForm::CaptionDoubleClick() {
  if (IsResizable() && Minimized())
    SetFrameState(wsNormal);
  else if (IsResizable() && !Maximized() && !rolledUp_ && borderIcons_.Contains(TskBorderIcon::biMaximize))
    SetFrameState(wsMaximized);
  else if (IsResizable() && Maximized() && !rolledUpWhileMaximized_)
    SetFrameState(wsNormal);
  else
    ToggleRollUp();
}

// Routes non-client mouse input to the frame objects.
void TskSkinForm::PostHandle(const TMessage& m, LRESULT hit) {
  const POINT p = ToWindow(m.LParam);
  auto object = [this](int index) -> TskActiveSkinObject* {
    return index >= 0 && std::size_t(index) < frameObjects_.size() ? frameObjects_[std::size_t(index)].get() : nullptr;
  };
  auto press = [&](TMouseButton button) {
    UpdateHotObject(p.x, p.y, true);
    TskActiveSkinObject* hot = object(hotIndex_);
    if (hot == nullptr) return;
    hot->MouseDown(p.x, p.y, button);
    capturedIndex_ = hotIndex_;
    if (button == mbLeft && dynamic_cast<TskSkinCaptionObject*>(hot) == nullptr && form_.HandleAllocated())
      SetCapture(form_.Handle());
  };
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (TskActiveSkinObject* target = object(capturedIndex_ != -1 ? capturedIndex_ : hotIndex_))
        target->MouseMove(p.x, p.y);
      break;
    case WM_NCLBUTTONDOWN:
      if (inSizeMove_) {
        inSizeMove_ = false;
        break;
      }
      press(mbLeft);
      if (hit == HTCAPTION) capturedIndex_ = -1;
      break;
    case WM_NCLBUTTONUP:
      if (TskActiveSkinObject* target = object(capturedIndex_)) {
        capturedIndex_ = -1;
        ReleaseCapture();
        target->MouseUp(p.x, p.y, mbLeft);
      }
      capturedIndex_ = -1;
      break;
    case WM_NCLBUTTONDBLCLK:
      press(mbLeft);
      if (TskActiveSkinObject* hot = object(hotIndex_)) hot->DblClick();
      if (hit == HTCAPTION) {
        CaptionDoubleClick();
        capturedIndex_ = -1;
      }
      // A double click on a button is also its second press; the button
      // keeps the mouse so that the release reaches it.
      break;
    case WM_NCRBUTTONDOWN:
      press(mbRight);
      if (hit == HTCAPTION) {
        capturedIndex_ = -1;
        if (!DisableSystemMenu) ShowSystemMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      break;
    case WM_NCRBUTTONUP:
      if (TskActiveSkinObject* target = object(capturedIndex_)) target->MouseUp(p.x, p.y, mbRight);
      break;
    case WM_NCRBUTTONDBLCLK:
      press(mbRight);
      if (hit == HTCAPTION) capturedIndex_ = -1;
      break;
    default: break;
  }
}

}  // namespace qb
