#include "tools/skingen/Raster.h"

#include <algorithm>
#include <cmath>

#include "platform/Check.h"

namespace qb::skingen {
namespace {

constexpr int kSamples = 4;

BYTE ToByte(float v) { return BYTE(std::clamp(std::lround(v), 0L, 255L)); }

RECT Clip(const RECT& r, int width, int height) {
  return {std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, width),
          std::min<LONG>(r.bottom, height)};
}

}  // namespace

Raster::Raster(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {
  QB_CHECK(width > 0 && height > 0);
}

Rgb Raster::At(int x, int y) const {
  QB_CHECK(x >= 0 && x < width_ && y >= 0 && y < height_);
  return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Raster::Set(int x, int y, Rgb color) {
  QB_CHECK(x >= 0 && x < width_ && y >= 0 && y < height_);
  pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = color;
}

void Raster::Paint(const RECT& area, const Shader& shader) {
  const RECT r = Clip(area, width_, height_);
  constexpr float step = 1.0f / kSamples;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      float sr = 0, sg = 0, sb = 0, sa = 0;
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          const Sample s = shader(x + (i + 0.5f) * step, y + (j + 0.5f) * step);
          sr += s.color.r * s.alpha;
          sg += s.color.g * s.alpha;
          sb += s.color.b * s.alpha;
          sa += s.alpha;
        }
      }
      constexpr float n = kSamples * kSamples;
      const float a = sa / n;
      const Rgb under = At(x, y);
      Set(x, y, {sr / n + under.r * (1 - a), sg / n + under.g * (1 - a), sb / n + under.b * (1 - a)});
    }
  }
}

void Raster::Fill(const RECT& area, Rgb color) {
  const RECT r = Clip(area, width_, height_);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) Set(x, y, color);
  }
}

void Raster::Copy(const Raster& source, const RECT& from, POINT to) {
  for (int y = from.top; y < from.bottom; ++y) {
    for (int x = from.left; x < from.right; ++x) {
      const int tx = to.x + (x - from.left);
      const int ty = to.y + (y - from.top);
      if (x < 0 || y < 0 || x >= source.width_ || y >= source.height_) continue;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      Set(tx, ty, source.At(x, y));
    }
  }
}

Dib Raster::ToDib24() const {
  Dib dib;
  dib.width = width_;
  dib.height = height_;
  dib.bitsPerPixel = 24;
  dib.bits.assign(std::size_t(dib.Stride()) * std::size_t(height_), 0);
  for (int y = 0; y < height_; ++y) {
    BYTE* row = dib.bits.data() + std::size_t(y) * std::size_t(dib.Stride());
    for (int x = 0; x < width_; ++x) {
      const Rgb c = At(x, y);
      row[3 * x] = ToByte(c.b);
      row[3 * x + 1] = ToByte(c.g);
      row[3 * x + 2] = ToByte(c.r);
    }
  }
  return dib;
}

Dib Raster::ToGreyDib(int bitsPerPixel) const {
  QB_CHECK(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8);
  const int levels = 1 << bitsPerPixel;
  Dib dib;
  dib.width = width_;
  dib.height = height_;
  dib.bitsPerPixel = bitsPerPixel;
  for (int i = 0; i < levels; ++i) {
    const BYTE v = BYTE(i * 255 / (levels - 1));
    dib.palette.push_back({v, v, v, 0});
  }
  dib.bits.assign(std::size_t(dib.Stride()) * std::size_t(height_), 0);
  for (int y = 0; y < height_; ++y) {
    BYTE* row = dib.bits.data() + std::size_t(y) * std::size_t(dib.Stride());
    for (int x = 0; x < width_; ++x) {
      const Rgb c = At(x, y);
      const float grey = (c.r + c.g + c.b) / 3;
      const int index = int(std::lround(std::clamp(grey, 0.0f, 255.0f) * float(levels - 1) / 255.0f));
      const int bit = x * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - bit % 8;
      row[bit / 8] = BYTE(row[bit / 8] | (index << shift));
    }
  }
  return dib;
}

}  // namespace qb::skingen
