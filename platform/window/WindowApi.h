// Windows: classes, creation and destruction, properties, geometry, showing
// and stacking. All of it belongs to the user-interface thread (the thread
// that creates the first window, or that called qb::InitUserInterfaceThread);
// only PostMessage and SendMessage may be called from other threads.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowStyles.h"

struct HCURSOR__;
using HCURSOR = HCURSOR__*;
using ATOM = WORD;

// Only what the window layer uses of a class: its name, style (CS_DBLCLKS),
// procedure and cursor.
struct WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  HCURSOR hCursor = nullptr;
  std::u16string lpszClassName;
};

// Registers a class for this process; 0 when the name is taken or empty.
ATOM RegisterClass(const WNDCLASS* windowClass);
BOOL UnregisterClass(std::u16string_view className);

// Creates a window with the messages WM_GETMINMAXINFO (top-level windows),
// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE and WM_MOVE, then shows it
// when the style has WS_VISIBLE. With WS_CHILD, `parent` is the parent;
// otherwise it is the owner (its top-level window is taken). Coordinates of
// a child are relative to the parent's client area. Returns null when the
// class is unknown, a child has no parent, or WM_NCCREATE returns FALSE or
// WM_CREATE returns -1.
HWND CreateWindowEx(DWORD exStyle, std::u16string_view className, std::u16string_view windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, LONG_PTR id, void* createParams);

// Destroys the window, the windows it owns and its children: WM_DESTROY
// parent first, WM_NCDESTROY children first. Messages posted to them and
// their timers go with them.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// Changing GWL_EXSTYLE's WS_EX_LAYERED drops the layered content when turned
// off and repaints the window from its procedure.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The caption, through WM_SETTEXT / WM_GETTEXT.
BOOL SetWindowText(HWND hwnd, std::u16string_view text);
std::u16string GetWindowText(HWND hwnd);

HWND GetParent(HWND hwnd);  // the parent of a child, the owner of a top-level window
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT relation);
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
// Visible: WS_VISIBLE on the window and all its parents.
BOOL IsWindowVisible(HWND hwnd);
// Shows or hides with WM_SHOWWINDOW and a SetWindowPos; top-level windows are
// activated by SW_SHOW, SW_SHOWNORMAL and SW_RESTORE unless WS_EX_NOACTIVATE.
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);

// Moves, sizes, stacks, shows or hides with WM_WINDOWPOSCHANGING (the
// procedure may change the WINDOWPOS), WM_NCCALCSIZE when the size or frame
// changes, and WM_WINDOWPOSCHANGED (whose default sends WM_MOVE and WM_SIZE).
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);  // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);

namespace qb {

// Makes the calling thread the user-interface thread when none is yet, and
// starts the display backend. Creating the first window does the same.
void InitUserInterfaceThread();
bool IsUserInterfaceThread();

// Owns a window and destroys it when it goes away (unless it is gone).
class OwnedWindow {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND hwnd) : hwnd_(hwnd) {}
  OwnedWindow(OwnedWindow&& other) noexcept : hwnd_(other.Release()) {}
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~OwnedWindow() { Reset(); }

  HWND Get() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  HWND Release() {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    return hwnd;
  }
  void Reset(HWND hwnd = nullptr) {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = hwnd;
  }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace qb
