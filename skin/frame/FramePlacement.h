// Where the frame puts its window: the monitor's rectangles, centring at the
// first show, the maximized rectangle and the place of a minimized form.
#pragma once

#include <span>

#include "platform/WinTypes.h"
#include "skin/frame/MagneticSnap.h"

namespace qb {

// The whole monitor and its work area (the monitor less the taskbar).
struct MonitorRects {
  RECT monitor{};
  RECT work{};
};

// The window system has one monitor: the screen and the system's work area.
MonitorRects PrimaryMonitorRects();

// Top-left of a width × height window centred in `rect` (halves rounded
// down, as the window's own size is).
POINT CenterInMonitor(const RECT& rect, int width, int height);

// The bounds of a maximized form: the monitor with `fullScreen`, else its
// work area, one pixel smaller on every side when the work area is the whole
// screen (so an auto-hiding taskbar can still be reached), and, inside a
// full-border layered frame, less the frame's margins so that the visible
// frame fills the area.
RECT MaximizedBounds(const MonitorRects& rects, const RECT& screen, bool fullScreen, bool fullBorder,
                     const FrameMargins& margins);

// The place of a minimized form of `size`: the first slot in rows along the
// bottom of the work area, left to right and then upwards, that no other
// minimized form's top-left corner (`taken`) occupies. A full-border layered
// frame shifts the slot right by its left margin and up by its bottom margin
// and its extra rolled-up height (`rollUpHeight` − 10). With no free slot the
// bottom row's first one is used.
POINT MinimizedPlace(const RECT& work, SIZE size, std::span<const POINT> taken, bool fullBorder,
                     const FrameMargins& margins, int rollUpHeight);

}  // namespace qb
