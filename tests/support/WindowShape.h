// Comparing a window's shape with the shape a test expects, pixel by pixel.
#pragma once

#include <functional>
#include <string>

#include "platform/region/RegionHandle.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowApi.h"

namespace qb::test {

// Empty when exactly the window's pixels (x, y) for which `inside` holds
// belong to its shape (a window without shape keeps its full rectangle);
// else the first pixels that differ, as "x,y" followed by what the shape
// does with them, and how many differ.
inline std::string ShapeDifference(HWND hwnd, const std::function<bool(int x, int y)>& inside) {
  RECT bounds{};
  GetWindowRect(hwnd, &bounds);
  const int w = bounds.right - bounds.left;
  const int h = bounds.bottom - bounds.top;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(hwnd, region) == ERROR) {
    DeleteObject(region);
    region = CreateRectRgn(0, 0, w, h);
  }
  std::string differences;
  int count = 0;
  for (int y = -1; y <= h; ++y) {
    for (int x = -1; x <= w; ++x) {
      const bool expected = x >= 0 && y >= 0 && x < w && y < h && inside(x, y);
      const bool shaped = PtInRegion(region, x, y) != FALSE;
      if (shaped == expected) continue;
      if (++count <= 4) differences += std::to_string(x) + "," + std::to_string(y) + (shaped ? " in " : " out ");
    }
  }
  DeleteObject(region);
  return count == 0 ? "" : differences + "(" + std::to_string(count) + " pixels differ)";
}

// The four corner pixels of a w × h window.
inline bool Corner(int x, int y, int w, int h) { return (x == 0 || x == w - 1) && (y == 0 || y == h - 1); }

}  // namespace qb::test
