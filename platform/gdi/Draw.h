// Filling, framing, lines and single pixels. Everything drawn here writes
// colour with alpha 0 into 32-bit surfaces, as GDI does.
#pragma once

#include <span>

#include "platform/gdi/DeviceContext.h"

// Fills the rectangle (right and bottom exclusive) with the brush, which may
// also be a system colour index + 1.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// A one-pixel border just inside the rectangle.
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
// Draws with the selected pen from the current position up to, but not
// including, (x, y), which becomes the current position.
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
// Outline with the pen, inside with the brush. Without a pen the filled
// area ends one pixel earlier on the right and at the bottom, as on Windows.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);

// Returns the colour set, or CLR_INVALID outside the clip region.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside the clip region.
COLORREF GetPixel(HDC dc, int x, int y);
