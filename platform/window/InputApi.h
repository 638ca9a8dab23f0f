// Pointer, keyboard, activation and focus state of the user-interface thread.
// Input reaches windows through hit testing (WM_NCHITTEST decides between
// client and non-client messages), the capture, WM_MOUSEACTIVATE and
// WM_SETCURSOR, exactly as on the original platform.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"
#include "platform/window/Messages.h"

// Virtual keys.
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;  // Alt
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F4 = 0x73;
constexpr int VK_F10 = 0x79;
// A key that types a character but has no virtual key of its own.
constexpr int VK_PACKET = 0xE7;

HWND SetCapture(HWND hwnd);  // returns the previous capture window
BOOL ReleaseCapture();
HWND GetCapture();

HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
HWND SetFocus(HWND hwnd);  // returns the window that had the focus
HWND GetFocus();

// The high bit is set while the key or button is down (as the thread has
// processed its input so far); the low bit toggles with each press.
SHORT GetKeyState(int virtualKey);

BOOL GetCursorPos(POINT* point);
// The deepest visible window under a screen point, honouring window shapes
// and WS_EX_TRANSPARENT; disabled children give their parent. Pure geometry:
// no message is sent.
HWND WindowFromPoint(POINT point);
UINT GetDoubleClickTime();  // 500 ms; two clicks also need to be within 4 × 4 pixels

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

// TME_LEAVE (with TME_NONCLIENT for the non-client area; TME_HOVER is not
// supported): one WM_MOUSELEAVE
// (WM_NCMOUSELEAVE) is posted when the pointer leaves that part of the
// window, at once when it is not there now. One request is active at a time.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* request);

// Cursors.
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

constexpr std::uintptr_t IDC_ARROW = 32512;
constexpr std::uintptr_t IDC_IBEAM = 32513;
constexpr std::uintptr_t IDC_WAIT = 32514;
constexpr std::uintptr_t IDC_CROSS = 32515;
constexpr std::uintptr_t IDC_SIZENWSE = 32642;
constexpr std::uintptr_t IDC_SIZENESW = 32643;
constexpr std::uintptr_t IDC_SIZEWE = 32644;
constexpr std::uintptr_t IDC_SIZENS = 32645;
constexpr std::uintptr_t IDC_SIZEALL = 32646;
constexpr std::uintptr_t IDC_NO = 32648;
constexpr std::uintptr_t IDC_HAND = 32649;

// The system cursors only; null for an unknown id or an instance.
HCURSOR LoadCursor(HINSTANCE instance, std::uintptr_t id);
HCURSOR SetCursor(HCURSOR cursor);  // returns the previous one
HCURSOR GetCursor();

namespace qb {

// While a popup menu is open it takes the keyboard, as a menu does: every
// key message goes to `menu` instead of the focus, and the active window and
// the focus stay as they are. Null gives the keyboard back; destroying the
// window does too.
void SetMenuKeyboard(HWND menu);
HWND MenuKeyboard();

// The shape a backend shows for a cursor.
enum class CursorShape { kArrow, kIBeam, kWait, kCross, kSizeNWSE, kSizeNESW, kSizeWE, kSizeNS, kSizeAll, kNo, kHand };

CursorShape ShapeOf(HCURSOR cursor);

}  // namespace qb
