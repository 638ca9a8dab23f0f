#include "skin/frame/FramePlacement.h"

#include <algorithm>

#include "platform/window/SystemMetrics.h"

namespace qb {

MonitorRects PrimaryMonitorRects() {
  MonitorRects rects;
  rects.monitor = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &rects.work, 0)) rects.work = rects.monitor;
  return rects;
}

POINT CenterInMonitor(const RECT& rect, int width, int height) {
  return POINT{rect.left + (rect.right - rect.left) / 2 - width / 2, rect.top + (rect.bottom - rect.top) / 2 - height / 2};
}

namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

RECT MaximizedBounds(const MonitorRects& rects, const RECT& screen, bool fullScreen, bool fullBorder,
                     const FrameMargins& margins) {
  RECT r = fullScreen ? rects.monitor : rects.work;
  if (SameRect(rects.work, rects.monitor) && SameRect(rects.monitor, screen))
    r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (fullBorder)
    r = RECT{r.left + margins.left, r.top + margins.top, r.right - margins.right, r.bottom - margins.bottom};
  return r;
}

POINT MinimizedPlace(const RECT& work, SIZE size, std::span<const POINT> taken, bool fullBorder,
                     const FrameMargins& margins, int rollUpHeight) {
  const int dx = fullBorder ? margins.left : 0;
  const int dy = fullBorder ? -(margins.bottom + rollUpHeight - 10) : 0;
  const int stepX = std::max<LONG>(1, size.cx);
  const int stepY = std::max<LONG>(1, size.cy);
  const POINT first{work.left + dx, work.bottom - size.cy + dy};
  for (int y = work.bottom - size.cy; y >= work.top; y -= stepY) {
    for (int x = work.left; x + size.cx <= work.right || x == work.left; x += stepX) {
      const POINT place{x + dx, y + dy};
      const bool occupied =
          std::any_of(taken.begin(), taken.end(), [&](POINT p) { return p.x == place.x && p.y == place.y; });
      if (!occupied) return place;
    }
  }
  return first;
}

}  // namespace qb
