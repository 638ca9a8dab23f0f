#include "platform/gdi/Blit.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/PixelOps.h"

namespace {

using Pixel = std::uint32_t;

// One axis of a transfer: destination [start, start + length) in surface
// coordinates, and the source index (surface coordinates) for each of its
// positions, all inside the source surface.
struct Axis {
  int start = 0;
  std::vector<int> source;
  bool identity = false;  // source[i] == source[0] + i
};

// Lays out one axis over the destination positions inside [0, dstLimit);
// positions whose source falls outside [0, srcLimit) are cut away (the
// mapping is monotonic, so what stays is one run).
Axis MapAxis(int dst, int dstLength, int dstLimit, int src, int srcLength, int srcLimit) {
  bool mirror = false;
  if (dstLength < 0) {
    dst += dstLength;
    dstLength = -dstLength;
    mirror = !mirror;
  }
  if (srcLength < 0) {
    src += srcLength;
    srcLength = -srcLength;
    mirror = !mirror;
  }
  Axis axis;
  axis.start = dst;
  if (dstLength == 0 || srcLength == 0) return axis;
  axis.identity = !mirror && dstLength == srcLength;
  const int lo = std::max(0, -dst);
  const int hi = int(std::min<std::int64_t>(dstLength, std::int64_t(dstLimit) - dst));
  bool started = false;
  for (int i = lo; i < hi; ++i) {
    int j = int(std::int64_t(i) * srcLength / dstLength);
    if (mirror) j = srcLength - 1 - j;
    const int s = src + j;
    if (s < 0 || s >= srcLimit) {
      if (started) break;
      continue;
    }
    if (!started) axis.start = dst + i;
    started = true;
    axis.source.push_back(s);
  }
  return axis;
}

RECT Intersect(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Sizes beyond this are refused, so that no coordinate arithmetic overflows.
constexpr int kMaxExtent = 1 << 28;

bool Sane(std::initializer_list<int> extents) {
  for (int e : extents) {
    if (e > kMaxExtent || e < -kMaxExtent) return false;
  }
  return true;
}

// Runs `row(dst, src, count)` over every clipped destination run of a
// transfer from `source` to `dest`; `src` points at the source pixels for
// `dst`, gathered into a scratch row when stretching.
template <typename RowOp>
BOOL Transfer(HDC dest, int x, int y, int width, int height, HDC source, int xs, int ys, int ws, int hs,
              bool sourceMustFit, RowOp row) {
  if (!dest || !source || !Sane({x, y, width, height, xs, ys, ws, hs})) return FALSE;
  qb::DrawTarget dt;
  qb::DrawTarget st;
  if (!source->Target(st)) return sourceMustFit ? FALSE : TRUE;
  const POINT srcDevice = qb::ToDevice(source->state, POINT{xs, ys});
  const int sx = srcDevice.x + st.origin.x;
  const int sy = srcDevice.y + st.origin.y;
  if (sourceMustFit) {
    if (ws < 0 || hs < 0 || width < 0 || height < 0) return FALSE;
    if (sx < 0 || sy < 0 || sx + ws > st.surface->Width() || sy + hs > st.surface->Height()) return FALSE;
  }
  if (!dest->Target(dt)) return TRUE;
  // Within one surface a copy of the source keeps overlapping transfers
  // correct.
  qb::Surface copy;
  const qb::Surface* src = st.surface;
  if (dt.surface == st.surface) {
    copy = *st.surface;
    src = &copy;
  }
  const POINT dstDevice = qb::ToDevice(dest->state, POINT{x, y});
  const Axis cols = MapAxis(dstDevice.x + dt.origin.x, width, dt.surface->Width(), sx, ws, src->Width());
  const Axis rows = MapAxis(dstDevice.y + dt.origin.y, height, dt.surface->Height(), sy, hs, src->Height());
  const RECT area{cols.start, rows.start, cols.start + int(cols.source.size()), rows.start + int(rows.source.size())};
  if (Empty(area)) return TRUE;

  std::vector<Pixel> scratch(cols.identity ? 0 : cols.source.size());
  RECT touched{};
  for (const RECT& clip : dt.clip.Rects()) {
    const RECT r = Intersect(clip, area);
    if (Empty(r)) continue;
    touched = Empty(touched) ? r : RECT{std::min(touched.left, r.left), std::min(touched.top, r.top),
                                        std::max(touched.right, r.right), std::max(touched.bottom, r.bottom)};
    const int from = r.left - area.left;
    const int count = r.right - r.left;
    for (int py = r.top; py < r.bottom; ++py) {
      const Pixel* srcRow = src->Row(rows.source[std::size_t(py - area.top)]);
      const Pixel* pixels;
      if (cols.identity) {
        pixels = srcRow + cols.source[std::size_t(from)];
      } else {
        for (int i = 0; i < count; ++i) scratch[std::size_t(i)] = srcRow[cols.source[std::size_t(from + i)]];
        pixels = scratch.data();
      }
      row(dt.surface->Row(py) + r.left, pixels, count);
    }
  }
  if (!Empty(touched)) dest->Changed(touched);
  return TRUE;
}

using RopFunction = Pixel (*)(Pixel s, Pixel d, Pixel p);

RopFunction RopFor(DWORD rop) {
  switch (rop) {
    case SRCPAINT: return [](Pixel s, Pixel d, Pixel) { return s | d; };
    case SRCAND: return [](Pixel s, Pixel d, Pixel) { return s & d; };
    case SRCINVERT: return [](Pixel s, Pixel d, Pixel) { return s ^ d; };
    case SRCERASE: return [](Pixel s, Pixel d, Pixel) { return s & ~d; };
    case NOTSRCCOPY: return [](Pixel s, Pixel, Pixel) { return ~s; };
    case NOTSRCERASE: return [](Pixel s, Pixel d, Pixel) { return ~(s | d); };
    case MERGECOPY: return [](Pixel s, Pixel, Pixel p) { return s & p; };
    case MERGEPAINT: return [](Pixel s, Pixel d, Pixel) { return ~s | d; };
    case PATCOPY: return [](Pixel, Pixel, Pixel p) { return p; };
    case PATINVERT: return [](Pixel, Pixel d, Pixel p) { return d ^ p; };
    case DSTINVERT: return [](Pixel, Pixel d, Pixel) { return d ^ 0x00FFFFFFu; };
    case BLACKNESS: return [](Pixel, Pixel, Pixel) { return Pixel(0); };
    case WHITENESS: return [](Pixel, Pixel, Pixel) { return Pixel(0x00FFFFFF); };
    default: return nullptr;
  }
}

bool NeedsSource(DWORD rop) { return rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS; }

Pixel PatternOf(HDC dc) {
  COLORREF color = 0;
  return qb::SolidBrushColor(dc->state.brush, color) ? qb::PixelFromColor(color) : 0;
}

}  // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, DWORD rop) {
  if (!dest) return FALSE;
  if (!NeedsSource(rop)) return PatBlt(dest, x, y, width, height, rop);
  if (rop == SRCCOPY) {
    return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, false,
                    [](Pixel* d, const Pixel* s, int n) { std::memcpy(d, s, std::size_t(n) * sizeof(Pixel)); });
  }
  const RopFunction op = RopFor(rop);
  if (!op) return FALSE;
  const Pixel pattern = PatternOf(dest);
  return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, false,
                  [op, pattern](Pixel* d, const Pixel* s, int n) {
                    for (int i = 0; i < n; ++i) d[i] = op(s[i], d[i], pattern);
                  });
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
  return StretchBlt(dest, x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop) {
  if (!dest || NeedsSource(rop) || !Sane({x, y, width, height})) return FALSE;
  const RopFunction op = RopFor(rop);
  const Pixel pattern = PatternOf(dest);
  qb::DrawTarget dt;
  if (!dest->Target(dt)) return TRUE;
  const POINT at = qb::ToDevice(dest->state, POINT{x, y});
  RECT area{at.x + dt.origin.x, at.y + dt.origin.y, at.x + dt.origin.x + width, at.y + dt.origin.y + height};
  if (area.right < area.left) std::swap(area.left, area.right);
  if (area.bottom < area.top) std::swap(area.top, area.bottom);
  bool touched = false;
  for (const RECT& clip : dt.clip.Rects()) {
    const RECT r = Intersect(clip, area);
    if (Empty(r)) continue;
    touched = true;
    for (int py = r.top; py < r.bottom; ++py) {
      Pixel* d = dt.surface->Row(py);
      for (int px = r.left; px < r.right; ++px) d[px] = op(0, d[px], pattern);
    }
  }
  if (touched) dest->Changed(Intersect(area, dt.clip.Bounds()));
  return TRUE;
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparent) {
  const Pixel key = qb::PixelFromColor(transparent & 0xFFFFFF);
  return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, false,
                  [key](Pixel* d, const Pixel* s, int n) {
                    for (int i = 0; i < n; ++i) {
                      if ((s[i] & 0x00FFFFFF) != key) d[i] = s[i];
                    }
                  });
}

BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
  if (blend.BlendOp != AC_SRC_OVER) return FALSE;
  const Pixel constant = blend.SourceConstantAlpha;
  if (blend.AlphaFormat & AC_SRC_ALPHA) {
    if (constant == 255) {
      return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, true,
                      [](Pixel* d, const Pixel* s, int n) {
                        for (int i = 0; i < n; ++i) d[i] = qb::BlendPremultiplied(s[i], d[i]);
                      });
    }
    return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, true,
                    [constant](Pixel* d, const Pixel* s, int n) {
                      for (int i = 0; i < n; ++i) d[i] = qb::BlendPremultiplied(qb::ScalePixel(s[i], constant), d[i]);
                    });
  }
  return Transfer(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, true,
                  [constant](Pixel* d, const Pixel* s, int n) {
                    for (int i = 0; i < n; ++i) d[i] = qb::MixConstant(s[i], d[i], constant);
                  });
}
