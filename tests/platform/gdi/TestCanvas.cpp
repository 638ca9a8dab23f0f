#include "tests/platform/gdi/TestCanvas.h"

#include <algorithm>

namespace qb::test {

TestCanvas::TestCanvas(int width, int height, std::uint32_t fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  std::fill(bits_, bits_ + width * height, fill);
  previous_ = SelectObject(dc_, bitmap_);
}

TestCanvas::~TestCanvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void TestCanvas::Load(std::initializer_list<std::uint32_t> pixels) { std::copy(pixels.begin(), pixels.end(), bits_); }

}  // namespace qb::test
