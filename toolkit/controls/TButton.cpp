#include "toolkit/controls/TButton.h"

#include "platform/gdi/text/Text.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

namespace {

constexpr UINT kCommand = 0x0111;  // WM_COMMAND

}  // namespace

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse});
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (TCustomForm* form = GetParentForm(this); form != nullptr && HandleAllocated()) form->BroadcastFocusChanged();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TCustomControl::Click();
}

void TButton::NotifyClicked() {
  if (Parent() != nullptr && Parent()->HandleAllocated() && HandleAllocated()) {
    SendMessage(Parent()->Handle(), kCommand, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
  } else {
    Click();
  }
}

void TButton::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  Invalidate();
}

bool TButton::Accelerates(WCHAR character) const {
  const std::u16string& caption = Caption();
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return LowerCase(std::u16string(1, caption[i + 1])) == LowerCase(std::u16string(1, character));
  }
  return false;
}

void TButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT area = ClientRect();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(area);
  canvas.Brush().SetColor(active_ || pressed_ ? clBlack : clBtnShadow);
  canvas.FrameRect(area);
  if (pressed_) area = RECT{area.left + 1, area.top + 1, area.right + 1, area.bottom + 1};
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(area, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus() && !Focused()) SetFocus();
      SetPressed(true);
      break;
    case WM_MOUSEMOVE:
      if (ControlState().Contains(csLButtonDown)) {
        const RECT area = ClientRect();
        const int x = GET_X_LPARAM(message.LParam);
        const int y = GET_Y_LPARAM(message.LParam);
        SetPressed(x >= 0 && y >= 0 && x < area.right && y < area.bottom);
      }
      break;
    case WM_LBUTTONUP: {
      const bool click = pressed_;
      SetPressed(false);
      TCustomControl::WndProc(message);
      if (click) NotifyClicked();
      return;
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        spaceDown_ = true;
        SetPressed(true);
        return;
      }
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetPressed(false);
        NotifyClicked();
        return;
      }
      break;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      SetPressed(false);
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && active_) || (message.WParam == VK_ESCAPE && cancel_)) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (Accelerates(WCHAR(message.WParam)) && CanFocus()) {
        SetFocus();
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* sender = reinterpret_cast<TWinControl*>(message.LParam);
      const bool active = dynamic_cast<TButton*>(sender) != nullptr ? sender == this : default_;
      if (active != active_) {
        active_ = active;
        Invalidate();
      }
      break;
    }
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace qb
