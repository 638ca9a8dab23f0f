#include "skin/frame/FrameHitTest.h"

#include "platform/window/Messages.h"
#include "skin/data/DibPixel.h"
#include "skin/frame/FrameRects.h"

namespace qb {

namespace {

bool BlackAt(const TBitmap& strip, int x, int y) {
  if (x < 0 || y < 0 || x >= strip.Width() || y >= strip.Height()) return false;
  return (DibPixel(strip.Image(), x, y) & 0x00FFFFFFu) == 0;
}

bool InCaption(std::span<const RECT> captionAreas, POINT p) {
  for (const RECT& area : captionAreas)
    if (Contains(area, p)) return true;
  return false;
}

bool NearEdge(const FrameGeometry& g, const FrameHitState& state, const FrameStrips* mask, POINT p) {
  const int b = state.BorderWidth;
  const POINT probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
  if (mask == nullptr) {
    const RECT window{0, 0, g.Width, g.Height};
    for (POINT probe : probes)
      if (!Contains(window, probe)) return true;
    return false;
  }
  if (Contains(g.NewMaskRect, p)) return false;
  for (POINT probe : probes)
    if (!MaskContains(g, *mask, probe)) return true;
  return false;
}

LRESULT EdgeCode(const FrameGeometry& g, POINT p) {
  const int x = p.x;
  const int y = p.y;
  if (x <= g.NewHitTestLeftTop.x && y <= g.NewHitTestLeftTop.y) return HTTOPLEFT;
  if (x >= g.NewHitTestRightTop.x && y <= g.NewHitTestRightTop.y) return HTTOPRIGHT;
  if (x <= g.NewHitTestLeftBottom.x && y >= g.NewHitTestLeftBottom.y) return HTBOTTOMLEFT;
  if (x >= g.NewHitTestRightBottom.x && y >= g.NewHitTestRightBottom.y) return HTBOTTOMRIGHT;
  const RECT& c = g.NewClientRect;
  if (Contains(RECT{g.NewHitTestLeftTop.x, 0, g.NewHitTestRightTop.x, c.top}, p)) return HTTOP;
  if (Contains(RECT{g.NewHitTestLeftBottom.x, c.bottom, g.NewHitTestRightBottom.x, g.Height}, p)) return HTBOTTOM;
  if (Contains(RECT{0, g.NewHitTestLeftTop.y, c.left, g.NewHitTestLeftBottom.y}, p)) return HTLEFT;
  if (Contains(RECT{c.right, g.NewHitTestRightTop.y, g.Width, g.NewHitTestRightBottom.y}, p)) return HTRIGHT;
  return HTNOWHERE;
}

}  // namespace

bool MaskContains(const FrameGeometry& g, const FrameStrips& mask, POINT p) {
  const RECT& m = g.NewMaskRect;
  if (Contains(m, p)) return true;
  if (p.y <= m.top) return BlackAt(mask.top, p.x, p.y);
  if (p.y < m.bottom) {
    if (p.x > m.left) return BlackAt(mask.right, p.x - m.right, p.y - m.top);
    return BlackAt(mask.left, p.x, p.y - m.top);
  }
  return BlackAt(mask.bottom, p.x, p.y - m.bottom);
}

LRESULT SkinHitTest(const FrameGeometry& g, const FrameHitState& state, std::span<const RECT> captionAreas,
                    const FrameStrips* mask, POINT p) {
  const bool inCaption = InCaption(captionAreas, p);
  if (!state.RolledUp && !state.Minimized) {
    const bool inClient = Contains(g.NewClientRect, p);
    if (state.ObjectHot && !inCaption && !inClient && !state.InSizeMove) return HTOBJECT;
    if (!state.Maximized && state.Resizable) {
      if (!NearEdge(g, state, mask, p)) return inClient ? HTCLIENT : inCaption ? HTCAPTION : HTOBJECT;
      const LRESULT edge = EdgeCode(g, p);
      if (edge != HTNOWHERE) return edge;
    }
    if (inClient) return HTCLIENT;
  }
  return inCaption ? HTCAPTION : HTOBJECT;
}

LRESULT DefaultHitTest(int width, int height, const FrameHitState& state, const RECT& captionArea, int captionHeight,
                       POINT p) {
  const int x = p.x;
  const int y = p.y;
  if (!state.Maximized && !state.RolledUp && !state.Minimized && state.Resizable) {
    if (state.ObjectHot) return HTOBJECT;
    if (x <= 2 && y <= 2) return HTTOPLEFT;
    if (x >= width - 2 && y <= 2) return HTTOPRIGHT;
    if (x <= 2 && y >= height - 2) return HTBOTTOMLEFT;
    if (x >= width - 2 && y >= height - 2) return HTBOTTOMRIGHT;
    if (x <= 2) return HTLEFT;
    if (y <= 2) return HTTOP;
    if (x >= width - 2) return HTRIGHT;
    if (y >= height - 2) return HTBOTTOM;
  }
  if (Contains(captionArea, p)) return HTCAPTION;
  if (Contains(RECT{3, captionHeight + 3, width - 3, height - 3}, p)) return HTCLIENT;
  return HTOBJECT;
}

}  // namespace qb
