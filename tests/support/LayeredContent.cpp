#include "tests/support/LayeredContent.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/window/LayeredWindow.h"

namespace qb::test {

void GiveLayeredContent(HWND hwnd, int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel,
                        BYTE constantAlpha) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * width + x] = pixel(x, y);
  }
  const POINT origin{0, 0};
  const SIZE size{width, height};
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, dc, &origin, 0, &blend, ULW_ALPHA);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace qb::test
