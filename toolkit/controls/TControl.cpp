#include "toolkit/controls/TControl.h"

#include "platform/Check.h"
#include "platform/window/InputApi.h"
#include "platform/script/ScriptTargets.h"
#include "platform/window/PaintApi.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/controls/TWinControl.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_.OnChange = [this](TObject*) {
    if (!ComponentState().Contains(csDestroying)) Perform(CM_FONTCHANGED);
  };
}

TControl::~TControl() {
  Destroying();
  scriptTarget_.reset();
  if (parent_ != nullptr) {
    if (TCustomForm* form = GetParentForm(this)) form->ControlDestroyed(this);
    parent_->RemoveControl(this);
  }
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage record{message, wParam, lParam, 0};
  WindowProc(record);
  return record.Result;
}

void TControl::SetName(const std::u16string& name) {
  TComponent::SetName(name);
  scriptTarget_.reset();
  if (!Name().empty()) scriptTarget_ = std::make_unique<NamedComponent>(Name(), [this] { return ScreenBounds(); });
}

std::optional<RECT> TControl::ScreenBounds() {
  if (!Showing()) return std::nullopt;
  TControl* drawnIn = this;
  while (dynamic_cast<TWinControl*>(drawnIn) == nullptr && drawnIn->parent_ != nullptr) drawnIn = drawnIn->parent_;
  auto* window = dynamic_cast<TWinControl*>(drawnIn);
  if (window == nullptr || !window->HandleAllocated() || !IsWindowVisible(window->Handle())) return std::nullopt;
  if (window == this) {
    RECT r;
    GetWindowRect(window->Handle(), &r);
    return r;
  }
  const POINT origin = ClientToScreen(POINT{0, 0});
  return RECT{origin.x, origin.y, origin.x + width_, origin.y + height_};
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  QB_CHECK(parent != this);
  if (parent_ != nullptr) {
    if (TCustomForm* form = GetParentForm(this)) form->ControlDestroyed(this);
    parent_->Invalidate();
    parent_->RemoveControl(this);
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->InsertControl(this);
    Invalidate();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ReportChange(TControlChange::kBounds);
}

RECT TControl::ClientRect() { return RECT{0, 0, width_, height_}; }

void TControl::SetClientWidth(int width) {
  SetBounds(left_, top_, width_ - ClientRect().right + width, height_);
}

void TControl::SetClientHeight(int height) {
  SetBounds(left_, top_, width_, height_ - ClientRect().bottom + height);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  ReportChange(TControlChange::kVisible);
}

void TControl::VisibleChanged() {
  if (visible_) Invalidate();
  if (!visible_ && parent_ != nullptr) parent_->ForgetMouseControl(this);
}

bool TControl::Showing() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::SetCaption(const std::u16string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(CM_TEXTCHANGED);
  ReportChange(TControlChange::kCaption);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::Invalidate() {
  if (parent_ == nullptr || !visible_ || !parent_->HandleAllocated()) return;
  const RECT area = BoundsRect();
  InvalidateRect(parent_->Handle(), &area, TRUE);
}

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

POINT TControl::ClientToScreen(POINT point) {
  if (parent_ == nullptr) return point;
  return parent_->ClientToScreen(POINT{point.x + left_, point.y + top_});
}

POINT TControl::ScreenToClient(POINT point) {
  if (parent_ == nullptr) return point;
  const POINT inParent = parent_->ScreenToClient(point);
  return POINT{inParent.x - left_, inParent.y - top_};
}

void TControl::Click() {
  if (OnClick && CanRaiseEvents()) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown && CanRaiseEvents()) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp && CanRaiseEvents()) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove && CanRaiseEvents()) OnMouseMove(this, shift, x, y);
}

void TControl::ReportChange(TControlChange change) {
  if (TApplication* application = Application()) application->ReportControlChange(*this, change);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(message);
      return;
    case CM_MOUSEENTER:
      if (OnMouseEnter && CanRaiseEvents()) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (OnMouseLeave && CanRaiseEvents()) OnMouseLeave(this);
      return;
    default:
      DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  TShiftState shift = MouseShiftState(message.WParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (message.Msg == WM_LBUTTONDBLCLK) shift.Include(ssDouble);
      controlState_.Include(csLButtonDown);
      if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
      MouseDown(mbLeft, shift, x, y);
      return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(mbRight, shift, x, y);
      return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(mbMiddle, shift, x, y);
      return;
    case WM_LBUTTONUP: {
      controlState_.Exclude(csLButtonDown);
      if (controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        const RECT client = ClientRect();
        if (x >= client.left && x < client.right && y >= client.top && y < client.bottom) Click();
      }
      MouseUp(mbLeft, shift, x, y);
      return;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      return;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      return;
    default:
      return;
  }
}

TCustomForm* GetParentForm(TControl* control) {
  if (control == nullptr) return nullptr;
  while (control->Parent() != nullptr) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

bool IsInside(const TControl* control, const TControl* ancestor) {
  for (; control != nullptr; control = control->Parent()) {
    if (control == ancestor) return true;
  }
  return false;
}

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

}  // namespace qb
