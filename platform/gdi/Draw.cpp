#include "platform/gdi/Draw.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Fill.h"
#include "platform/gdi/PixelOps.h"

namespace {

bool PenColor(HDC dc, COLORREF& color) {
  const HPEN pen = dc->state.pen;
  if (!pen || pen->style == PS_NULL) return false;
  color = pen->color;
  return true;
}

// A line in surface coordinates, end point excluded.
RECT DrawLine(const qb::DrawTarget& t, POINT from, POINT to, std::uint32_t pixel) {
  if (from == to) return RECT{};
  // The end point is left out, so the start point is always drawn.
  if (from.y == to.y) {
    const RECT r = to.x > from.x ? RECT{from.x, from.y, to.x, from.y + 1} : RECT{to.x + 1, from.y, from.x + 1, from.y + 1};
    return qb::FillClipped(t, r, pixel);
  }
  if (from.x == to.x) {
    const RECT r = to.y > from.y ? RECT{from.x, from.y, from.x + 1, to.y} : RECT{from.x, to.y + 1, from.x + 1, from.y + 1};
    return qb::FillClipped(t, r, pixel);
  }
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  int x = from.x, y = from.y;
  while (x != to.x || y != to.y) {
    if (t.clip.Contains(x, y)) t.surface->At(x, y) = pixel;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      x += sx;
    }
    if (e2 <= dx) {
      error += dx;
      y += sy;
    }
  }
  return RECT{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1, std::max(from.y, to.y) + 1};
}

// The one-pixel border just inside `r` (surface coordinates).
void FillBorder(const qb::DrawTarget& t, const RECT& r, std::uint32_t pixel) {
  for (const RECT& side : {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
                           RECT{r.left, r.top, r.left + 1, r.bottom}, RECT{r.right - 1, r.top, r.right, r.bottom}}) {
    qb::FillClipped(t, side, pixel);
  }
}

POINT ToSurfacePoint(HDC dc, const qb::DrawTarget& t, int x, int y) {
  const POINT d = qb::ToDevice(dc->state, POINT{x, y});
  return POINT{d.x + t.origin.x, d.y + t.origin.y};
}

}  // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF color = 0;
  if (!dc || !rect || !qb::SolidBrushColor(brush, color)) return FALSE;
  qb::DrawTarget t;
  if (!dc->Target(t)) return TRUE;
  dc->Changed(qb::FillClipped(t, qb::ToSurface(dc->state, t, *rect), qb::PixelFromColor(color)));
  return TRUE;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF color = 0;
  if (!dc || !rect || !qb::SolidBrushColor(brush, color)) return FALSE;
  if (rect->right <= rect->left || rect->bottom <= rect->top) return TRUE;
  qb::DrawTarget t;
  if (!dc->Target(t)) return TRUE;
  const RECT r = qb::ToSurface(dc->state, t, *rect);
  FillBorder(t, r, qb::PixelFromColor(color));
  dc->Changed(r);
  return TRUE;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
  if (!dc) return FALSE;
  if (previous) *previous = dc->state.currentPosition;
  dc->state.currentPosition = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  if (!dc) return FALSE;
  const POINT from = dc->state.currentPosition;
  dc->state.currentPosition = POINT{x, y};
  COLORREF color = 0;
  qb::DrawTarget t;
  if (!PenColor(dc, color) || !dc->Target(t)) return TRUE;
  const RECT touched = DrawLine(t, ToSurfacePoint(dc, t, from.x, from.y), ToSurfacePoint(dc, t, x, y),
                                qb::PixelFromColor(color));
  dc->Changed(touched);
  return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
  if (!dc || !points || count < 2) return FALSE;
  const POINT saved = dc->state.currentPosition;
  dc->state.currentPosition = points[0];
  for (int i = 1; i < count; ++i) LineTo(dc, points[i].x, points[i].y);
  dc->state.currentPosition = saved;
  return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  qb::DrawTarget t;
  if (!dc->Target(t)) return TRUE;
  const RECT r = qb::ToSurface(dc->state, t, RECT{left, top, right, bottom});
  COLORREF pen = 0;
  const bool outline = PenColor(dc, pen);
  COLORREF fill = 0;
  if (qb::SolidBrushColor(dc->state.brush, fill)) {
    const RECT inside = outline ? RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}
                                : RECT{r.left, r.top, r.right - 1, r.bottom - 1};
    qb::FillClipped(t, inside, qb::PixelFromColor(fill));
  }
  if (outline) FillBorder(t, r, qb::PixelFromColor(pen));
  dc->Changed(r);
  return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  qb::DrawTarget t;
  if (!dc || !dc->Target(t)) return CLR_INVALID;
  const POINT p = ToSurfacePoint(dc, t, x, y);
  if (!t.clip.Contains(p.x, p.y)) return CLR_INVALID;
  t.surface->At(p.x, p.y) = qb::PixelFromColor(color & 0xFFFFFF);
  dc->Changed(RECT{p.x, p.y, p.x + 1, p.y + 1});
  return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  qb::DrawTarget t;
  if (!dc || !dc->Target(t)) return CLR_INVALID;
  const POINT p = ToSurfacePoint(dc, t, x, y);
  if (!t.clip.Contains(p.x, p.y)) return CLR_INVALID;
  return qb::ColorFromPixel(t.surface->At(p.x, p.y));
}
