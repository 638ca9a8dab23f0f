#include "skin/frame/LayerIcon.h"

#include <algorithm>

namespace qb {

namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// Runs `apply(stripPixel, iconPixel)` for every icon pixel that lands inside
// the strip.
template <typename Apply>
void ForEachCovered(TskBitmap& strip, int x, int y, const TskBitmap& icon, Apply apply) {
  for (int iy = 0; iy < icon.Height(); ++iy) {
    const int sy = y + iy;
    if (sy < 0 || sy >= strip.Height()) continue;
    for (int ix = 0; ix < icon.Width(); ++ix) {
      const int sx = x + ix;
      if (sx < 0 || sx >= strip.Width()) continue;
      apply(strip.ScanLine(sy)[sx], icon.ScanLine(iy)[ix]);
    }
  }
}

}  // namespace

void IconPixels(HICON icon, SIZE size, TskBitmap& pixels) {
  TskBitmap overWhite;
  pixels.SetSize(size.cx, size.cy);
  overWhite.SetSize(size.cx, size.cy);
  if (pixels.Empty() || overWhite.Empty()) return;
  pixels.FillRect(RECT{0, 0, size.cx, size.cy}, 0xFF000000u);
  overWhite.FillRect(RECT{0, 0, size.cx, size.cy}, 0xFFFFFFFFu);
  DrawIconEx(pixels.DC(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  DrawIconEx(overWhite.DC(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  for (int y = 0; y < size.cy; ++y) {
    std::uint32_t* black = pixels.ScanLine(y);
    const std::uint32_t* white = overWhite.ScanLine(y);
    for (int x = 0; x < size.cx; ++x) {
      // Over black a channel shows c × a / 255, over white that plus 255 − a.
      const std::uint32_t a = 255 - std::min<std::uint32_t>(255, Channel(white[x], 8) - Channel(black[x], 8));
      std::uint32_t out = a << 24;
      if (a != 0) {
        for (int shift : {0, 8, 16}) out |= std::min<std::uint32_t>(255, (Channel(black[x], shift) * 255 + a / 2) / a) << shift;
      }
      black[x] = out;
    }
  }
}

bool IconHasPartialAlpha(HICON icon, SIZE size) {
  TskBitmap pixels;
  IconPixels(icon, size, pixels);
  for (int y = 0; y < pixels.Height(); ++y) {
    const std::uint32_t* row = pixels.ScanLine(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      const std::uint32_t a = row[x] >> 24;
      if (a != 0 && a != 255) return true;
    }
  }
  return false;
}

void DrawIconBlended(TskBitmap& strip, int x, int y, HICON icon, SIZE size) {
  TskBitmap pixels;
  IconPixels(icon, size, pixels);
  ForEachCovered(strip, x, y, pixels, [](std::uint32_t& d, std::uint32_t s) {
    const std::uint32_t sa = s >> 24;
    if (sa == 0) return;
    const std::uint32_t da = d >> 24;
    // The part of the strip that still shows through the icon, in 255².
    const std::uint32_t below = da * (255 - sa);
    const std::uint32_t a2 = sa * 255 + below;
    std::uint32_t out = ((a2 + 127) / 255) << 24;
    for (int shift : {0, 8, 16}) {
      const std::uint32_t c = (Channel(s, shift) * sa * 255 + Channel(d, shift) * below + a2 / 2) / a2;
      out |= std::min<std::uint32_t>(255, c) << shift;
    }
    d = out;
  });
}

void DrawIconKeyed(TskBitmap& strip, int x, int y, HICON icon, SIZE size) {
  TskBitmap keyed;
  keyed.SetSize(size.cx, size.cy);
  if (keyed.Empty()) return;
  keyed.FillRect(RECT{0, 0, size.cx, size.cy}, kKeyColorPixel);
  DrawIconEx(keyed.DC(), 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  ForEachCovered(strip, x, y, keyed, [](std::uint32_t& d, std::uint32_t s) {
    if ((s & 0x00FFFFFFu) != (kKeyColorPixel & 0x00FFFFFFu)) d = s | 0xFF000000u;
  });
}

}  // namespace qb
