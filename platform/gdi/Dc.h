// Device-context functions: creating memory contexts, selecting objects,
// colours and modes, origins, clipping, and saving and restoring state.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/region/RegionHandle.h"

HDC CreateCompatibleDC(HDC dc);
// Only memory contexts are deleted this way; window contexts are released
// with ReleaseDC. The selected objects become free to delete.
BOOL DeleteDC(HDC dc);

// Selects a bitmap (memory contexts only), brush, pen or font and returns the
// previous object of that kind; a region is copied as the clip region and the
// result is its complexity cast to a handle. Null on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

constexpr UINT OBJ_PEN = 1;
constexpr UINT OBJ_BRUSH = 2;
constexpr UINT OBJ_FONT = 6;
constexpr UINT OBJ_BITMAP = 7;
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

// Fills a BITMAP for a bitmap or a LOGFONTW for a font; returns the bytes
// written, 0 when the buffer is too small or the object unknown.
int GetObject(HGDIOBJ object, int size, void* buffer);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
// Kept for callers that ask; stretching is always nearest-pixel.
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);

// Clipping. SelectClipRgn copies the region, which is in device
// coordinates; null removes the clip region. The rectangle functions take
// logical coordinates. All return the complexity of the new clip region
// (ERROR on failure).
int SelectClipRgn(HDC dc, HRGN region);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// The smallest rectangle around everything drawing can reach, in logical
// coordinates.
int GetClipBox(HDC dc, RECT* box);

// SaveDC returns the new depth of the stack (0 on failure). RestoreDC with a
// positive level returns to the state saved at that depth, with a negative
// one goes that many states back.
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int level);

constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
// BITSPIXEL is 32; the logical resolution is 96 pixels per inch.
int GetDeviceCaps(HDC dc, int index);
