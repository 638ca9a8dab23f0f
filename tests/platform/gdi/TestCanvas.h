// A memory device context with a small 32-bit top-down DIB section selected,
// for pixel tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Dc.h"

namespace qb::test {

class TestCanvas {
 public:
  TestCanvas(int width, int height, std::uint32_t fill = 0);
  ~TestCanvas();
  TestCanvas(const TestCanvas&) = delete;
  TestCanvas& operator=(const TestCanvas&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  std::uint32_t& At(int x, int y) { return bits_[y * width_ + x]; }
  // Rows top-down.
  std::vector<std::uint32_t> Pixels() const { return {bits_, bits_ + width_ * height_}; }
  void Load(std::initializer_list<std::uint32_t> pixels);

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace qb::test
