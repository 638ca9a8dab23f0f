// Invalidation and the window shape. The update region of a window is kept
// in client coordinates; WM_PAINT is made for a visible window while it is
// not empty, WM_NCPAINT (wParam 1) before it when the frame needs drawing.
// Invalidating a window without WS_CLIPCHILDREN invalidates the children
// under the area too, as the original platform does.
#pragma once

#include "platform/WinTypes.h"
#include "platform/region/RegionHandle.h"

// Null rectangle: the whole client area.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// The bounding box of the update region; FALSE when it is empty. The erase
// flag is accepted but erasing is left to BeginPaint.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
// Sends WM_NCPAINT and WM_PAINT at once when the window needs them.
BOOL UpdateWindow(HWND hwnd);

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;

// rect and region are in client coordinates; both null: the whole window.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);

// The window takes the region (window coordinates) and frees it later; null
// gives the window its full rectangle back. Pointer input, WindowFromPoint,
// painting and the screen honour the shape.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the shape into `region`; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN region);
