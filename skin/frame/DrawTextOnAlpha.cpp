#include "skin/frame/DrawTextOnAlpha.h"

#include <algorithm>

#include "platform/gdi/Dc.h"
#include "skin/frame/FrameRects.h"

namespace qb {

void DrawTextOnAlpha(TskBitmap& surface, const RECT& rect, const AlphaTextPainter& paint) {
  const RECT r{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min<LONG>(rect.right, surface.Width()),
               std::min<LONG>(rect.bottom, surface.Height())};
  if (IsEmpty(r)) return;
  const int w = Width(r);
  const int h = Height(r);
  // A: the strip under the text; B: its alpha as grey, opaque.
  TskBitmap a;
  a.SetSize(w, h);
  TskBitmap b;
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* from = surface.ScanLine(r.top + y) + r.left;
    std::uint32_t* toA = a.ScanLine(y);
    std::uint32_t* toB = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t alpha = from[x] >> 24;
      toA[x] = from[x];
      toB[x] = 0xFF000000u | (alpha << 16) | (alpha << 8) | alpha;
    }
  }
  // Painting starts at the rectangle's own top-left, which may lie outside
  // the surface.
  const int shiftX = rect.left - r.left;
  const int shiftY = rect.top - r.top;
  auto paintAt = [&](TskBitmap& target, bool white) {
    TCanvas& canvas = target.Canvas();
    const int state = canvas.SaveState();
    OffsetViewportOrgEx(canvas.Handle(), shiftX, shiftY, nullptr);
    paint(canvas, white);
    canvas.RestoreState(state);
  };
  paintAt(b, true);
  a.SetAlpha(255);
  paintAt(a, false);
  TBitmap grey;
  b.CopyToBitmap(grey);
  a.MaskToAlpha(grey);
  // A already holds the strip's own pixels wherever no text lies, so it
  // replaces the area instead of being blended over it a second time.
  for (int y = 0; y < h; ++y) std::copy_n(a.ScanLine(y), w, surface.ScanLine(r.top + y) + r.left);
}

}  // namespace qb
