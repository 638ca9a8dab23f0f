// Icons: a 32-bit picture with straight (not premultiplied) alpha, drawn
// blended with that alpha.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/window/InputApi.h"

struct HICON__ {
  qb::Surface picture;
};
using HICON = HICON__*;

struct ICONINFO {
  BOOL fIcon = TRUE;
  DWORD xHotspot = 0;
  DWORD yHotspot = 0;
  HBITMAP hbmMask = nullptr;
  HBITMAP hbmColor = nullptr;
};

// Copies the colour bitmap. When it has no alpha at all the mask decides:
// pixels whose mask is black are opaque, the others transparent.
HICON CreateIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);

constexpr std::uintptr_t IDI_APPLICATION = 32512;
// IDI_APPLICATION (32 × 32) is the only built-in icon; a new copy each call.
HICON LoadIcon(HINSTANCE instance, std::uintptr_t id);

constexpr UINT IMAGE_ICON = 1;
// A new icon of cx × cy (0: the same size), each pixel the average of the
// source pixels it covers. Only IMAGE_ICON is supported.
HICON CopyImage(HICON icon, UINT type, int cx, int cy, UINT flags);

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;
// Draws the icon at (x, y), stretched to cx × cy (0: the icon's size) by the
// nearest pixel; every colour channel becomes (s × a + d × (255 − a)) / 255,
// rounded, and pixels the icon covers get alpha 0 as other GDI drawing
// leaves them. The step and brush arguments are unused.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFreeBrush, UINT flags);
