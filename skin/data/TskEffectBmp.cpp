#include "skin/data/TskEffectBmp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "skin/data/PictureCopy.h"

namespace qb {
namespace {

// Rounds a value already limited to 0..255, halves to even: adding 2^52
// leaves no fraction bits, so the addition itself rounds in the default
// mode, which is to nearest with ties to even.
BYTE RoundChannel(double v) {
  v = std::clamp(v, 0.0, 255.0);
  return BYTE((v + 0x1p52) - 0x1p52);
}

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

double Unit(double k) {
  if (!(k >= 0)) return 0;
  return k > 1 ? 1 : k;
}

// A table of a per-channel function, so that each pixel costs a look-up.
template <typename F>
std::array<BYTE, 256> ChannelTable(F f) {
  std::array<BYTE, 256> table{};
  for (int v = 0; v < 256; ++v) table[std::size_t(v)] = RoundChannel(f(double(v)));
  return table;
}

}  // namespace

TskEffectBmp::TskEffectBmp(const TBitmap& picture) : image_(ToBgr24(picture.Image())) {}

void TskEffectBmp::DrawAt(HDC target, int x, int y) const {
  if (image_.Empty() || !target) return;
  GdiHandle<HBITMAP> bitmap(CreateBitmapFromDib(image_));
  HDC dc = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(dc, bitmap.get());
  BitBlt(target, x, y, Width(), Height(), dc, 0, 0, SRCCOPY);
  SelectObject(dc, previous);
  DeleteDC(dc);
}

void TskEffectBmp::BlendTowards(BYTE* a, const BYTE* b, double t, int from, int to) {
  for (int i = 3 * from; i < 3 * to; ++i) a[i] = RoundChannel(t * a[i] + (1 - t) * b[i]);
}

void TskEffectBmp::MorphDefault(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  k = Unit(k);
  // (1 − k)·A and k·B are products of the channel alone: tabulating them
  // keeps every rounding of the formula.
  std::array<double, 256> keep{}, take{};
  for (int v = 0; v < 256; ++v) {
    keep[std::size_t(v)] = (1 - k) * v;
    take[std::size_t(v)] = k * v;
  }
  const std::size_t bytes = std::size_t(Width()) * 3;
  for (int y = 0; y < Height(); ++y) {
    BYTE* a = ScanLine(y);
    const BYTE* b = other.ScanLine(y);
    for (std::size_t i = 0; i < bytes; ++i) a[i] = RoundChannel(keep[a[i]] + take[b[i]]);
  }
}

void TskEffectBmp::MorphGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  k = Unit(k);
  const int w = Width(), h = Height();
  if (w < h) {
    const int a = RoundHalfEven(h * k);
    const int half = (h - 1 - a) / 2;
    const double step = half != 0 ? 1.0 / half : 0.0;
    const int l = std::max(h / 2 - a / 2, 0), r = std::min(h / 2 + a / 2, h - 1);
    for (int y = l; y <= r; ++y) std::memcpy(ScanLine(y), other.ScanLine(y), std::size_t(w) * 3);
    double t = 0;
    for (int y = l; y >= 0; --y) {
      BlendTowards(ScanLine(y), other.ScanLine(y), t, 0, w);
      t = std::min(t + step, 1.0);
    }
    t = 0;
    for (int y = r; y < h; ++y) {
      BlendTowards(ScanLine(y), other.ScanLine(y), t, 0, w);
      t = std::min(t + step, 1.0);
    }
    return;
  }
  const int a = RoundHalfEven(w * k);
  const int half = (w - a) / 2;
  const double step = half != 0 ? 1.0 / half : 1.0;
  const int l = std::max(w / 2 - a / 2, 0), r = std::min(w / 2 + a / 2, w - 1);
  for (int y = 0; y < h; ++y) {
    BYTE* row = ScanLine(y);
    const BYTE* target = other.ScanLine(y);
    std::memcpy(row + 3 * l, target + 3 * l, std::size_t(r - l + 1) * 3);
    double t = 0;
    for (int x = l; x >= 0; --x) {
      BlendTowards(row, target, t, x, x + 1);
      t = std::min(t + step, 1.0);
    }
    t = 0;
    for (int x = r; x < w; ++x) {
      BlendTowards(row, target, t, x, x + 1);
      t = std::min(t + step, 1.0);
    }
  }
}

void TskEffectBmp::MorphLeftGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  const int w = Width();
  int a = RoundHalfEven(w * Unit(k));
  if (a <= 0) a = 1;
  if (a > w - 1) a = w - 1;
  const double step = a != 0 ? 1.0 / a : 1.0;
  for (int y = 0; y < Height(); ++y) {
    BYTE* row = ScanLine(y);
    double t = 0;
    for (int x = 0; x <= a; ++x) {
      BlendTowards(row, other.ScanLine(y), t, x, x + 1);
      t = std::min(t + step, 1.0);
    }
  }
}

void TskEffectBmp::MorphRightGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  const int w = Width();
  const int b = std::clamp(w - RoundHalfEven(w * Unit(k)), 0, w - 1);
  const double step = 1.0 / (w - b);
  for (int y = 0; y < Height(); ++y) {
    BYTE* row = ScanLine(y);
    double t = 0;
    for (int x = w - 1; x >= b; --x) {
      BlendTowards(row, other.ScanLine(y), t, x, x + 1);
      t = std::min(t + step, 1.0);
    }
  }
}

void TskEffectBmp::MorphLeftSlide(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundHalfEven(w * Unit(k)), 1), w - 1);
  for (int y = 0; y < Height(); ++y) std::memcpy(ScanLine(y), other.ScanLine(y) + 3 * (w - a), std::size_t(a) * 3);
}

void TskEffectBmp::MorphRightSlide(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundHalfEven(w * Unit(k)), 1), w - 1);
  for (int y = 0; y < Height(); ++y) std::memcpy(ScanLine(y) + 3 * (w - a), other.ScanLine(y), std::size_t(a) * 3);
}

void TskEffectBmp::MorphPush(const TskEffectBmp& other, double k) {
  if (!SameSize(other) || image_.Empty()) return;
  const int w = Width();
  const int a = std::clamp(RoundHalfEven(w * Unit(k)), 0, w - 1);
  for (int y = 0; y < Height(); ++y) {
    BYTE* row = ScanLine(y);
    std::memmove(row + 3 * (a + 1), row, std::size_t(w - a - 1) * 3);
    std::memcpy(row, other.ScanLine(y) + 3 * (w - a - 1), std::size_t(a + 1) * 3);
  }
}

void TskEffectBmp::Morph(int kind, const TskEffectBmp& other, double k) {
  switch (kind) {
    case mkGradient: MorphGradient(other, k); break;
    case mkLeftGradient: MorphLeftGradient(other, k); break;
    case mkRightGradient: MorphRightGradient(other, k); break;
    case mkLeftSlide: MorphLeftSlide(other, k); break;
    case mkRightSlide: MorphRightSlide(other, k); break;
    case mkPush: MorphPush(other, k); break;
    default: MorphDefault(other, k); break;
  }
}

void TskEffectBmp::EffectBrightness(double x) {
  x = Unit(x);
  const auto table = ChannelTable([x](double v) { return (1 - x) * v + 255 * x; });
  for (BYTE& c : image_.bits) c = table[c];
}

void TskEffectBmp::EffectDarkness(double x) {
  x = Unit(x);
  const auto table = ChannelTable([x](double v) { return (1 - x) * v; });
  for (BYTE& c : image_.bits) c = table[c];
}

void TskEffectBmp::EffectGrayscale() {
  for (int y = 0; y < Height(); ++y) {
    BYTE* p = ScanLine(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      const BYTE g = RoundChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TskEffectBmp::EffectNoise(int range, std::uint32_t seed) {
  if (range <= 0) return;
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> draw(0, range - 1);
  for (int y = 0; y < Height(); ++y) {
    BYTE* p = ScanLine(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      const int r = draw(generator) - range / 2;
      for (int c = 0; c < 3; ++c) p[c] = BYTE(std::clamp(p[c] + r, 0, 255));
    }
  }
}

void TskEffectBmp::EffectSplitBlur(int amount) {
  if (amount <= 0) return;
  const int w = Width(), h = Height();
  for (int y = 0; y < h; ++y) {
    const BYTE* up = ScanLine(y - amount < 0 ? y : y - amount);
    const BYTE* down = ScanLine(std::min(y + amount, h - 1));
    BYTE* row = ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const int l = 3 * (x - amount < 0 ? x : x - amount);
      const int r = 3 * std::min(x + amount, w - 1);
      for (int c = 0; c < 3; ++c) row[3 * x + c] = BYTE((up[l + c] + down[l + c] + up[r + c] + down[r + c]) / 4);
    }
  }
}

void TskEffectBmp::EffectInvert() {
  for (int y = 0; y < Height(); ++y) {
    BYTE* p = ScanLine(y);
    for (int i = 0; i < 3 * Width(); ++i) p[i] = BYTE(255 - p[i]);
  }
}

void TskEffectBmp::ApplyInactiveEffect(int effect) {
  switch (effect) {
    case ieBrightness: EffectBrightness(0.5); break;
    case ieDarkness: EffectDarkness(0.3); break;
    case ieGrayscale: EffectGrayscale(); break;
    case ieNoise: EffectNoise(50); break;
    case ieSplitBlur: EffectSplitBlur(1); break;
    case ieInvert: EffectInvert(); break;
    default: break;
  }
}

}  // namespace qb
