#include <algorithm>

#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

bool IsInside(HWND hwnd, HWND ancestor) {
  for (HWND w = hwnd; w; w = w->parent) {
    if (w == ancestor) return true;
  }
  return false;
}

bool CanBeActivated(HWND w) {
  return !w->parent && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
         !(w->exStyle & WS_EX_NOACTIVATE);
}

}  // namespace

void ActivateAfterHiding(HWND hidden) {
  UiThread& ui = UiThread::Get();
  if (ui.input.focus && IsInside(ui.input.focus, hidden) && hidden->parent) SetFocus(nullptr);
  if (!ui.input.active || ui.input.active != TopLevelOf(hidden) || hidden->parent) return;
  // The owner takes over when it can, else the next window down the z-order.
  HWND next = nullptr;
  if (hidden->owner && IsLive(hidden->owner) && CanBeActivated(hidden->owner)) next = hidden->owner;
  for (HWND w : ui.topLevels) {
    if (next) break;
    if (w != hidden && CanBeActivated(w)) next = w;
  }
  SetActiveWindow(next);
}

void ForgetInputReferences(HWND hwnd) {
  InputState& input = UiThread::Get().input;
  if (input.capture == hwnd) input.capture = nullptr;
  if (input.focus == hwnd) input.focus = nullptr;
  if (input.menu == hwnd) input.menu = nullptr;
  if (input.active == hwnd) input.active = nullptr;
  if (input.hover == hwnd) input.hover = nullptr;
  if (input.tracked == hwnd) input.tracked = nullptr;
  if (input.lastClick.hwnd == hwnd) input.lastClick.hwnd = nullptr;
}

void SetMenuKeyboard(HWND menu) { UiThread::Get().input.menu = IsLive(menu) ? menu : nullptr; }

HWND MenuKeyboard() { return UiThread::Get().input.menu; }

}  // namespace qb

using qb::UiThread;

HWND SetCapture(HWND hwnd) {
  qb::InputState& input = UiThread::Get().input;
  HWND previous = input.capture;
  if (hwnd && !qb::IsLive(hwnd)) return previous;
  input.capture = hwnd;
  if (previous && previous != hwnd) SendMessage(previous, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
  return previous;
}

BOOL ReleaseCapture() {
  SetCapture(nullptr);
  return TRUE;
}

HWND GetCapture() { return UiThread::Get().input.capture; }

HWND SetActiveWindow(HWND hwnd) {
  UiThread& ui = UiThread::Get();
  if (hwnd) hwnd = qb::TopLevelOf(hwnd);
  if (hwnd && !qb::IsLive(hwnd)) return nullptr;
  HWND previous = ui.input.active;
  if (previous == hwnd) return previous;
  ui.input.active = hwnd;
  if (qb::IsLive(previous)) {
    SendMessage(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessage(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LPARAM(hwnd));
    if (ui.input.focus && qb::IsInside(ui.input.focus, previous)) {
      HWND lost = ui.input.focus;
      ui.input.focus = nullptr;
      SendMessage(lost, WM_KILLFOCUS, 0, 0);
    }
  }
  if (!qb::IsLive(hwnd) || ui.input.active != hwnd) return previous;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessage(hwnd, WM_NCACTIVATE, TRUE, 0);
  SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(ui.input.clickActivation ? WA_CLICKACTIVE : WA_ACTIVE, 0),
              LPARAM(previous));
  return previous;
}

HWND GetActiveWindow() { return UiThread::Get().input.active; }
BOOL SetForegroundWindow(HWND hwnd) {
  if (!qb::IsLive(hwnd)) return FALSE;
  SetActiveWindow(hwnd);
  return TRUE;
}
HWND GetForegroundWindow() { return GetActiveWindow(); }

HWND SetFocus(HWND hwnd) {
  UiThread& ui = UiThread::Get();
  HWND previous = ui.input.focus;
  if (hwnd && (!qb::IsLive(hwnd) || (hwnd->style & WS_DISABLED))) return nullptr;
  if (hwnd == previous) return previous;
  if (hwnd && GetActiveWindow() != qb::TopLevelOf(hwnd)) {
    SetActiveWindow(qb::TopLevelOf(hwnd));
    previous = ui.input.focus;
    if (previous == hwnd || !qb::IsLive(hwnd)) return previous;
  }
  ui.input.focus = hwnd;
  if (qb::IsLive(previous)) SendMessage(previous, WM_KILLFOCUS, WPARAM(hwnd), 0);
  if (qb::IsLive(hwnd) && ui.input.focus == hwnd) SendMessage(hwnd, WM_SETFOCUS, WPARAM(previous), 0);
  return previous;
}

HWND GetFocus() { return UiThread::Get().input.focus; }

SHORT GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  const BYTE state = UiThread::Get().input.keys[std::size_t(virtualKey)];
  return SHORT(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  *point = UiThread::Get().input.cursor;
  return TRUE;
}

UINT GetDoubleClickTime() { return 500; }
