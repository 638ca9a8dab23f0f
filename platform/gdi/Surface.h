// A 32-bit pixel surface: rows top-down, each exactly width × 4 bytes, every
// pixel the bytes blue, green, red, alpha (a little-endian 0xAARRGGBB word).
// Window backing stores, bitmap sections and the virtual screen are surfaces.
#pragma once

#include "platform/Check.h"
#include <cstdint>
#include <vector>

namespace qb {

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height) { Resize(width, height); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Discards the pixels and makes new ones, all 0.
  void Resize(int width, int height) {
    QB_CHECK(width >= 0 && height >= 0);
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
  }

  std::uint32_t* Row(int y) {
    QB_CHECK(y >= 0 && y < height_);
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  const std::uint32_t* Row(int y) const {
    QB_CHECK(y >= 0 && y < height_);
    return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  std::uint32_t& At(int x, int y) {
    QB_CHECK(x >= 0 && x < width_);
    return Row(y)[x];
  }
  std::uint32_t At(int x, int y) const {
    QB_CHECK(x >= 0 && x < width_);
    return Row(y)[x];
  }
  std::uint32_t* Data() { return pixels_.data(); }
  const std::uint32_t* Data() const { return pixels_.data(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace qb
