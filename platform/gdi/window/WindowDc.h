// Device contexts of windows: the client area (GetDC, BeginPaint) and the
// whole window (GetWindowDC). They draw into the top-level window's backing
// store at the window's place in it, limited to the window's visible part
// (and, for BeginPaint, to the update region it took over). GetDC(nullptr)
// gives a context of the whole screen for measuring and reading; what is
// drawn into it is not kept.
#pragma once

#include "platform/gdi/DeviceContext.h"

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;  // the background still needs erasing
  RECT rcPaint;         // client coordinates
  BOOL fRestore = FALSE;
  BOOL fIncUpdate = FALSE;
  BYTE rgbReserved[32] = {};
};

HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// Frees a context from GetDC or GetWindowDC and presents what was drawn.
// Returns 1, or 0 for a context that is not a window's.
int ReleaseDC(HWND hwnd, HDC dc);

// Takes over the window's update region as the new context's clip region
// and sends WM_ERASEBKGND with the context first when an erase is owed.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// The window a context draws into; null for memory contexts and the screen.
HWND WindowFromDC(HDC dc);
