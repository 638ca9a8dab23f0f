#include <cstdlib>
#include <vector>

#include "platform/backend/RawInput.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

constexpr int kDoubleClickSlop = 2;  // half of the 4 × 4 double-click rectangle

void Deliver(const RawEvent& event) {
  UiThread& ui = UiThread::Get();
  std::lock_guard lock(ui.mutex);
  ui.raw.push_back(event);
  ++ui.arrivals;
  ui.wake.notify_all();
}

bool ContainsScreenPoint(HWND w, POINT screen) {
  const POINT origin = ScreenOrigin(w);
  const LONG x = screen.x - origin.x;
  const LONG y = screen.y - origin.y;
  return x >= 0 && y >= 0 && x < w->Width() && y < w->Height() && ShapeContains(w, x, y);
}

bool TakesPointer(HWND w, POINT screen) {
  if (!(w->style & WS_VISIBLE) || (w->exStyle & WS_EX_TRANSPARENT) || !ContainsScreenPoint(w, screen)) return false;
  return w->parent || LayeredPixelShown(w, screen.x - w->rect.left, screen.y - w->rect.top);
}

// The deepest child of `w` under the point; a disabled child passes the
// pointer to its parent.
HWND DeepestAt(HWND w, POINT screen) {
  for (HWND child : w->children) {
    if (!TakesPointer(child, screen)) continue;
    if (child->style & WS_DISABLED) return w;
    return DeepestAt(child, screen);
  }
  return w;
}

HWND TopLevelAt(POINT screen, HWND after) {
  bool searching = after == nullptr;
  for (HWND top : UiThread::Get().topLevels) {
    if (!searching) {
      searching = top == after;
      continue;
    }
    if (TakesPointer(top, screen)) return top;
  }
  return nullptr;
}

// The window that gets a pointer event and its hit code: WM_NCHITTEST is
// asked from the deepest window up; HTTRANSPARENT passes to the parent, or
// to the windows below a top-level window.
HWND HitTest(POINT screen, LRESULT* code) {
  for (HWND top = TopLevelAt(screen, nullptr); top; top = TopLevelAt(screen, top)) {
    for (HWND w = DeepestAt(top, screen); w; w = w->parent) {
      const LRESULT hit = SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM_POINT(screen.x, screen.y));
      if (!IsLive(w)) return nullptr;
      if (hit != HTTRANSPARENT) {
        *code = hit;
        return w;
      }
    }
    if (!IsLive(top)) return nullptr;
  }
  return nullptr;
}

void UpdateLeaveTracking(HWND hover, LRESULT hit) {
  InputState& input = UiThread::Get().input;
  input.hover = hover;
  input.hoverHit = hit;
  if (!input.tracked) return;
  const bool inTrackedPart = input.tracked == hover && (input.trackedNonClient ? hit != HTCLIENT : hit == HTCLIENT);
  if (inTrackedPart) return;
  PostMessage(input.tracked, input.trackedNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  input.tracked = nullptr;
}

WPARAM MouseKeyFlags() {
  WPARAM flags = 0;
  if (GetKeyState(VK_LBUTTON) & 0x8000) flags |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) & 0x8000) flags |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) & 0x8000) flags |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) & 0x8000) flags |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) & 0x8000) flags |= MK_CONTROL;
  return flags;
}

UINT ButtonDownMessage(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft: return WM_LBUTTONDOWN;
    case MouseButton::kRight: return WM_RBUTTONDOWN;
    case MouseButton::kMiddle: return WM_MBUTTONDOWN;
  }
  return WM_LBUTTONDOWN;
}

int ButtonKey(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft: return VK_LBUTTON;
    case MouseButton::kRight: return VK_RBUTTON;
    case MouseButton::kMiddle: return VK_MBUTTON;
  }
  return VK_LBUTTON;
}

// Client and non-client messages of one kind are a fixed distance apart.
constexpr UINT kNonClientOffset = WM_LBUTTONDOWN - WM_NCLBUTTONDOWN;

void SetKeyDown(int key, bool down) {
  BYTE& state = UiThread::Get().input.keys[std::size_t(key & 0xFF)];
  if (down && !(state & 0x80)) state ^= 0x01;
  state = down ? BYTE(state | 0x80) : BYTE(state & ~0x80);
}

bool CookPointer(const RawEvent& event, MSG* msg) {
  UiThread& ui = UiThread::Get();
  InputState& input = ui.input;
  const POINT pt = input.cursor;
  const bool isMove = event.kind == RawEvent::Kind::kMove;
  UINT clientMessage = WM_MOUSEMOVE;
  if (!isMove) {
    clientMessage = ButtonDownMessage(event.button) + (event.down ? 0 : 1);
    SetKeyDown(ButtonKey(event.button), event.down);
  }

  HWND target = nullptr;
  LRESULT code = HTNOWHERE;
  if (input.capture) {
    HWND hover = nullptr;
    if (HWND top = TopLevelAt(pt, nullptr)) hover = DeepestAt(top, pt);
    LRESULT hoverHit = HTNOWHERE;
    if (hover) {
      POINT local = pt;
      ScreenToClient(hover, &local);
      const RECT& c = hover->client;
      hoverHit = (local.x >= 0 && local.y >= 0 && local.x < c.right - c.left && local.y < c.bottom - c.top) ? HTCLIENT
                                                                                                          : HTBORDER;
    }
    UpdateLeaveTracking(hover, hoverHit);
    target = input.capture;
    code = HTCLIENT;
  } else {
    target = HitTest(pt, &code);
    UpdateLeaveTracking(target, code);
    if (!target) return false;
    const HWND top = TopLevelOf(target);
    if ((top->style & WS_DISABLED) || (target->style & WS_DISABLED)) return false;
    if (!isMove && event.down && top != input.active && !(top->exStyle & WS_EX_NOACTIVATE)) {
      const LRESULT answer =
          SendMessage(target, WM_MOUSEACTIVATE, WPARAM(top), MAKELPARAM(WORD(SHORT(code)), WORD(clientMessage)));
      if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) {
        input.clickActivation = true;
        SetActiveWindow(top);
        input.clickActivation = false;
      }
      if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return false;
      if (!IsLive(target)) return false;
    }
    SendMessage(target, WM_SETCURSOR, WPARAM(target), MAKELPARAM(WORD(SHORT(code)), WORD(clientMessage)));
    if (!IsLive(target)) return false;
  }

  const bool client = code == HTCLIENT;
  UINT message = client ? clientMessage : clientMessage - kNonClientOffset;
  if (!isMove && event.down) {
    const DWORD now = GetTickCount();
    const InputState::Click& last = input.lastClick;
    const bool classAllows = !client || (target->windowClass->style & CS_DBLCLKS);
    const bool isDouble = classAllows && last.hwnd == target && last.message == message &&
                          now - last.time <= GetDoubleClickTime() && std::abs(pt.x - last.point.x) <= kDoubleClickSlop &&
                          std::abs(pt.y - last.point.y) <= kDoubleClickSlop;
    if (isDouble) {
      input.lastClick = {};
      message += 2;  // ...BUTTONDOWN → ...BUTTONDBLCLK
    } else {
      input.lastClick = {target, message, now, pt};
    }
  }
  msg->hwnd = target;
  msg->message = message;
  msg->pt = pt;
  if (client) {
    POINT local = pt;
    ScreenToClient(target, &local);
    msg->wParam = MouseKeyFlags();
    msg->lParam = MAKELPARAM_POINT(local.x, local.y);
  } else {
    msg->wParam = WPARAM(code);
    msg->lParam = MAKELPARAM_POINT(pt.x, pt.y);
  }
  return true;
}

bool CookKey(const RawEvent& event, MSG* msg) {
  InputState& input = UiThread::Get().input;
  const int key = event.virtualKey & 0xFF;
  const bool wasDown = (input.keys[std::size_t(key)] & 0x80) != 0;
  SetKeyDown(key, event.down);
  HWND target = input.menu ? input.menu : input.focus ? input.focus : input.active;
  if (!IsLive(target)) return false;
  const bool alt = (input.keys[VK_MENU] & 0x80) != 0 || (key == VK_MENU && !event.down);
  const bool system = alt || key == VK_F10;
  msg->hwnd = target;
  msg->message = event.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  msg->wParam = WPARAM(key);
  msg->lParam = LPARAM(1 | (alt ? 1u << 29 : 0u) | (wasDown ? 1u << 30 : 0u) | (event.down ? 0u : 1u << 31));
  msg->pt = input.cursor;
  return true;
}

}  // namespace

bool CookRawEvent(const RawEvent& event, MSG* msg) {
  UiThread& ui = UiThread::Get();
  switch (event.kind) {
    case RawEvent::Kind::kMove:
      ui.input.cursor = event.point;
      return CookPointer(event, msg);
    case RawEvent::Kind::kButton: return CookPointer(event, msg);
    case RawEvent::Kind::kKey: return CookKey(event, msg);
    case RawEvent::Kind::kFocus:
      SetActiveWindow(IsLive(event.window) ? event.window : nullptr);
      return false;
    case RawEvent::Kind::kComposition: {
      // A window may go or come while the others hear of it.
      const std::vector<HWND> tops = ui.topLevels;
      for (HWND top : tops) {
        if (IsLive(top) && (top->exStyle & WS_EX_LAYERED)) PresentWindow(top);
      }
      for (HWND top : tops) {
        if (IsLive(top)) SendMessage(top, WM_DWMCOMPOSITIONCHANGED, 0, 0);
      }
      return false;
    }
  }
  return false;
}

void DeliverPointerMove(POINT screen) {
  RawEvent event;
  event.kind = RawEvent::Kind::kMove;
  event.point = screen;
  Deliver(event);
}

void DeliverButton(MouseButton button, bool down) {
  RawEvent event;
  event.kind = RawEvent::Kind::kButton;
  event.button = button;
  event.down = down;
  Deliver(event);
}

void DeliverKey(int virtualKey, bool down, char32_t character) {
  RawEvent event;
  event.kind = RawEvent::Kind::kKey;
  event.virtualKey = virtualKey;
  event.down = down;
  event.character = character;
  Deliver(event);
}

void DeliverFocus(HWND topLevel) {
  RawEvent event;
  event.kind = RawEvent::Kind::kFocus;
  event.window = topLevel;
  Deliver(event);
}

void DeliverCompositionChange() {
  RawEvent event;
  event.kind = RawEvent::Kind::kComposition;
  Deliver(event);
}

bool RawInputDrained() {
  UiThread& ui = UiThread::Get();
  if (!ui.cooked.empty()) return false;
  std::lock_guard lock(ui.mutex);
  return ui.raw.empty();
}

}  // namespace qb

using qb::UiThread;

HWND WindowFromPoint(POINT point) {
  HWND top = qb::TopLevelAt(point, nullptr);
  return top ? qb::DeepestAt(top, point) : nullptr;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request) {
  if (!request || !qb::IsLive(request->hwndTrack)) return FALSE;
  qb::InputState& input = UiThread::Get().input;
  const bool nonClient = (request->dwFlags & TME_NONCLIENT) != 0;
  if (request->dwFlags & TME_CANCEL) {
    if (input.tracked == request->hwndTrack && input.trackedNonClient == nonClient) input.tracked = nullptr;
    return TRUE;
  }
  if (!(request->dwFlags & TME_LEAVE)) return TRUE;
  const bool there = input.hover == request->hwndTrack && (nonClient ? input.hoverHit != HTCLIENT : input.hoverHit == HTCLIENT);
  if (!there) {
    PostMessage(request->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    return TRUE;
  }
  if (input.tracked && input.tracked != request->hwndTrack) {
    PostMessage(input.tracked, input.trackedNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  }
  input.tracked = request->hwndTrack;
  input.trackedNonClient = nonClient;
  return TRUE;
}
