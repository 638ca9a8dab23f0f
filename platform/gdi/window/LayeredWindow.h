// Layered top-level windows (WS_EX_LAYERED): per-pixel content given with
// UpdateLayeredWindow, or the ordinary backing store shown with a constant
// alpha or colour key set by SetLayeredWindowAttributes. Using one of the
// two switches the window to it, as on Windows.
#pragma once

#include "platform/gdi/Blit.h"

constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;

constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;

// Moves and sizes the window to `position` and `size` when given, and, with
// a source context, takes `size` (or the window's size) pixels from it at
// `sourcePosition` (or 0, 0) as the window's content. With ULW_ALPHA the
// content is premultiplied 32-bit with per-pixel alpha, and `blend`'s
// SourceConstantAlpha scales it; with ULW_OPAQUE it is drawn opaque.
// Fails for a window without WS_EX_LAYERED, a child window, and a source
// area outside the source surface. `screenDc` is unused.
BOOL UpdateLayeredWindow(HWND hwnd, HDC screenDc, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePosition, COLORREF key, const BLENDFUNCTION* blend, DWORD flags);

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);

namespace qb {

// Whether the display blends the per-pixel alpha of layered windows with
// what lies below them. An X display does so only while a compositing
// manager runs; without one, partly transparent pixels would show as
// opaque dark ones, so soft shadows and glows are better left out. Every
// top-level window is sent WM_DWMCOMPOSITIONCHANGED when the answer changes.
bool PerPixelAlphaShown();

}  // namespace qb
