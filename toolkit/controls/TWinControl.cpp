#include "toolkit/controls/TWinControl.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Draw.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

namespace {

constexpr UINT kCommand = 0x0111;  // WM_COMMAND

bool IsWindowed(const TControl* control) { return dynamic_cast<const TWinControl*>(control) != nullptr; }

}  // namespace

LRESULT ToolkitWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (control == nullptr) {
    if (message != WM_NCCREATE) return DefWindowProc(hwnd, message, wParam, lParam);
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams);
    SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    control->handle_ = hwnd;
  }
  return control->MainWndProc(message, wParam, lParam);
}

TWinControl* FindControl(HWND hwnd) {
  if (hwnd == nullptr || !IsWindow(hwnd)) return nullptr;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC)) != &ToolkitWindowProc) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  // Children that are still here belong to someone else; they lose their
  // parent (and, with our window, their windows) but live on.
  for (TControl* control : controls_) control->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
  captureChild_ = nullptr;
  mouseControl_ = nullptr;
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr) {
    if (Parent() != nullptr) Parent()->HandleNeeded();
    if (handle_ == nullptr) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Caption();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() != nullptr ? Parent()->Handle() : nullptr;
  params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && params.WndParent == nullptr) {
    throw std::runtime_error("Control '" + ToUtf8(Name()) + "' has no parent window");
  }
  CreateWindowHandle(params);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  WNDCLASS windowClass;
  windowClass.style = params.WindowClassStyle;
  windowClass.lpfnWndProc = &ToolkitWindowProc;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = params.WinClassName;
  // A class registered before keeps its registration.
  RegisterClass(&windowClass);
  IncludeState(csCreating);
  HWND hwnd = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X, params.Y,
                             params.Width, params.Height, params.WndParent, 0, this);
  ExcludeState(csCreating);
  if (hwnd == nullptr) throw std::runtime_error("Error creating window");
  UpdateBoundsFromWindow();
  CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
  for (TControl* control : controls_) {
    if (auto* child = dynamic_cast<TWinControl*>(control); child != nullptr && !child->HandleAllocated()) {
      child->CreateWnd();
    }
  }
}

void TWinControl::DestroyHandle() {
  if (handle_ != nullptr) DestroyWnd();
}

void TWinControl::DestroyWnd() {
  HWND hwnd = handle_;
  DestroyWindow(hwnd);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  DestroyHandle();
  HandleNeeded();
  if (Visible() && !IsWindowVisible(handle_)) VisibleChanged();
}

LRESULT TWinControl::MainWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage record{message, wParam, lParam, 0};
  try {
    WindowProc(record);
  } catch (...) {
    TApplication* application = Application();
    if (application == nullptr) throw;
    application->HandleException(std::current_exception());
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtr(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
  }
  return record.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ != nullptr) message.Result = DefWindowProc(handle_, message.Msg, message.WParam, message.LParam);
}

TControl* TWinControl::Controls(int index) const {
  QB_CHECK(index >= 0 && index < ControlCount());
  return controls_[std::size_t(index)];
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (IsWindowed(control) || !control->Visible() || !control->Enabled()) continue;
    const RECT r = control->BoundsRect();
    if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return control;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (handle_ != nullptr) windowed->CreateWnd();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  ForgetMouseControl(control);
  if (captureChild_ == control) captureChild_ = nullptr;
  std::erase(controls_, control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    std::erase(tabList_, windowed);
    windowed->DestroyHandle();
  }
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_ != nullptr) {
    const LONG style = GetWindowLong(handle_, GWL_STYLE);
    SetWindowLong(handle_, GWL_STYLE, tabStop ? (style | LONG(WS_TABSTOP)) : (style & ~LONG(WS_TABSTOP)));
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  order = std::clamp(order, 0, int(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& list) {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->CollectTabOrder(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) {
  std::vector<TWinControl*> list;
  CollectTabOrder(list);
  if (list.empty()) return nullptr;
  const int count = int(list.size());
  int start = int(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count) start = forward ? count - 1 : 0;
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (forward ? step : -step)) % count + count) % count;
    TWinControl* candidate = list[std::size_t(index)];
    if (candidate->TabStop() && candidate->CanFocus()) return candidate;
  }
  return nullptr;
}

bool TWinControl::Focused() { return handle_ != nullptr && GetFocus() == handle_; }

bool TWinControl::CanFocus() {
  for (TControl* control = this; control != nullptr; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) {
    form->FocusControl(this);
    return;
  }
  ::SetFocus(Handle());
}

void TWinControl::FocusReceived() {
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (handle_ == nullptr) {
    StoreBounds(left, top, width, height);
    return;
  }
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (handle_ == nullptr) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND parent = GetParent(handle_); parent != nullptr && (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD)) {
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    r = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

RECT TWinControl::ClientRect() {
  if (handle_ == nullptr) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return r;
}

POINT TWinControl::ClientToScreen(POINT point) {
  ::ClientToScreen(Handle(), &point);
  return point;
}

POINT TWinControl::ScreenToClient(POINT point) {
  ::ScreenToClient(Handle(), &point);
  return point;
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::VisibleChanged() {
  if (!Visible() && Parent() != nullptr) Parent()->ForgetMouseControl(this);
  if (handle_ != nullptr) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_ != nullptr) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
  Invalidate();
}

void TWinControl::Broadcast(TMessage& message) {
  // A handler may change the child list, so it is walked over a copy.
  const std::vector<TControl*> controls = controls_;
  for (TControl* control : controls) {
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) continue;
    control->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : controls_) {
    if (IsWindowed(control) || !control->Visible()) continue;
    const int state = SaveDC(dc);
    OffsetWindowOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    RECT box;
    if (GetClipBox(dc, &box) != NULLREGION) control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, state);
  }
}

void TWinControl::PaintMessage(TMessage& message) {
  if (message.WParam != 0) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle_, &paint);
  if (dc == nullptr) return;
  PaintWindow(dc);
  PaintControls(dc);
  EndPaint(handle_, &paint);
}

TWinControl* TWinControl::TopParent() {
  TWinControl* top = this;
  while (top->Parent() != nullptr) top = top->Parent();
  return top;
}

void TWinControl::TrackMouseControl(TControl* control) {
  TWinControl* root = TopParent();
  if (root->mouseControl_ == control) return;
  TControl* previous = root->mouseControl_;
  root->mouseControl_ = control;
  if (previous != nullptr) previous->Perform(CM_MOUSELEAVE);
  if (root->mouseControl_ == control) control->Perform(CM_MOUSEENTER);
}

void TWinControl::ForgetMouseControl(TControl* leaving) {
  TWinControl* root = TopParent();
  if (root->mouseControl_ != nullptr && IsInside(root->mouseControl_, leaving)) root->mouseControl_ = nullptr;
}

void TWinControl::RouteMouse(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = this;
  if (captureChild_ != nullptr && GetCapture() == handle_) {
    target = captureChild_;
  } else if (TControl* child = ControlAtPos(point)) {
    target = child;
  }
  const bool leftDown = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
  const bool leftUp = message.Msg == WM_LBUTTONUP;
  if (message.Msg == WM_MOUSEMOVE) {
    TRACKMOUSEEVENT request;
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = handle_;
    TrackMouseEvent(&request);
    const RECT client = ClientRect();
    const bool inside = point.x >= 0 && point.y >= 0 && point.x < client.right && point.y < client.bottom;
    if (inside || target != this) TrackMouseControl(target);
  }
  if (leftUp && GetCapture() == handle_) {
    captureChild_ = nullptr;
    ReleaseCapture();
  }
  if (target == this) {
    if (leftDown && ControlStyle().Contains(csCaptureMouse)) SetCapture(handle_);
    TControl::WndProc(message);
    return;
  }
  if (leftDown) {
    captureChild_ = target;
    SetCapture(handle_);
  }
  TMessage forwarded{message.Msg, message.WParam,
                     MAKELPARAM_POINT(point.x - target->Left(), point.y - target->Top()), 0};
  target->WindowProc(forwarded);
  message.Result = forwarded.Result;
}

bool TWinControl::DialogKeyRouting(WORD key) {
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  TCustomForm* form = GetParentForm(this);
  return form != nullptr && form->Perform(CM_DIALOGKEY, key, 0) != 0;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      return;
    case WM_ERASEBKGND: {
      message.Result = 1;
      if (ControlStyle().Contains(csOpaque)) return;
      const RECT area = ClientRect();
      GdiHandle<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
      FillRect(reinterpret_cast<HDC>(message.WParam), &area, brush.get());
      return;
    }
    case WM_SETFOCUS:
      DefaultHandler(message);
      FocusReceived();
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      UpdateBoundsFromWindow();
      return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      RouteMouse(message);
      return;
    case WM_CAPTURECHANGED:
      // A press on a graphic child routes the mouse to it while the window
      // holds the capture; whoever takes the capture away ends that.
      captureChild_ = nullptr;
      TControl::WndProc(message);
      return;
    case WM_MOUSELEAVE: {
      TWinControl* root = TopParent();
      TControl* current = root->mouseControl_;
      if (current == this || (current != nullptr && current->Parent() == this && !IsWindowed(current))) {
        root->mouseControl_ = nullptr;
        current->Perform(CM_MOUSELEAVE);
      }
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      message.Result = DialogKeyRouting(WORD(message.WParam)) ? 1 : 0;
      return;
    case CN_CHAR:
    case CN_SYSCHAR: {
      if (message.Msg == CN_CHAR && WantsChar(WCHAR(message.WParam))) return;
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr) message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
      return;
    }
    case kCommand:
      // A child's notification goes back to the child as CN_COMMAND.
      if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child != nullptr && child != this) {
        message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
        return;
      }
      TControl::WndProc(message);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      Broadcast(message);
      if (message.Msg == CM_FOCUSCHANGED) message.Result = 0;
      return;
    case CM_TEXTCHANGED:
      if (handle_ != nullptr) SetWindowText(handle_, Caption());
      Invalidate();
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      return;
    default:
      TControl::WndProc(message);
  }
}

}  // namespace qb
