// The message queue of the user-interface thread, its loop, and timers.
//
// Retrieval order, as on the original platform: messages sent from other
// threads are handled first (inside any Get/Peek/WaitMessage call, also in
// modal loops), then posted messages, then input, then WM_QUIT, then WM_PAINT
// for a window with something to repaint, then WM_TIMER for a timer that is
// due. WM_PAINT and WM_TIMER are made at retrieval and never pile up: a timer
// has at most one WM_TIMER pending however long the loop was busy.
#pragma once

#include "platform/WinTypes.h"
#include "platform/window/Messages.h"

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// Thread-safe. A message posted from another thread wakes a waiting loop.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// On the user-interface thread the procedure is called directly; from any
// other thread the call blocks until the user-interface thread has handled
// it. Sending to a window that is gone returns 0.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Sets the quit request; WM_QUIT comes once the posted messages are handled.
void PostQuitMessage(int exitCode);

// Messages for `hwnd` (null: any) within [first, last] (both 0: any).
// WM_QUIT is returned whatever the filter.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags);
// Waits for a message; FALSE for WM_QUIT.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last);
// Waits until something can be retrieved.
BOOL WaitMessage();
// Posts WM_CHAR (WM_SYSCHAR with Alt) for key-down messages of keys that type
// a character.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);

// Sets or resets the timer (hwnd, id); intervals below 10 ms count as 10 ms.
// Without a window the id is chosen and returned, and `proc` receives the
// ticks through DispatchMessage.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Milliseconds of the monotonic clock, wrapping at 32 bits.
DWORD GetTickCount();
void Sleep(DWORD milliseconds);
