#include "platform/gdi/Draw.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/gdi/TestCanvas.h"

namespace qb {
namespace {

using test::TestCanvas;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t o = 0xFF000000;  // opaque black background
constexpr std::uint32_t W = 0x00FFFFFF;  // white as GDI writes it
constexpr std::uint32_t R = 0x00FF0000;  // red as GDI writes it

TEST(Draw, ShapesOnA4x4Canvas) {
  struct Case {
    const char* name;
    std::function<void(HDC)> draw;
    Pixels expected;
  };
  const std::vector<Case> cases = {
      {"line to the right leaves out its end point",
       [](HDC dc) { MoveToEx(dc, 0, 1, nullptr); LineTo(dc, 3, 1); },
       {o, o, o, o,  W, W, W, o,  o, o, o, o,  o, o, o, o}},
      {"line upwards leaves out its end point",
       [](HDC dc) { MoveToEx(dc, 2, 3, nullptr); LineTo(dc, 2, 0); },
       {o, o, o, o,  o, o, W, o,  o, o, W, o,  o, o, W, o}},
      {"diagonal line",
       [](HDC dc) { MoveToEx(dc, 0, 0, nullptr); LineTo(dc, 4, 4); },
       {W, o, o, o,  o, W, o, o,  o, o, W, o,  o, o, o, W}},
      {"polyline keeps the current position",
       [](HDC dc) {
         MoveToEx(dc, 3, 3, nullptr);
         const POINT points[] = {{0, 0}, {3, 0}, {3, 3}};
         Polyline(dc, points, 3);
         LineTo(dc, 0, 3);
       },
       {W, W, W, W,  o, o, o, W,  o, o, o, W,  o, W, W, W}},
      {"frame with a system colour brush",
       [](HDC dc) {
         const RECT r{0, 0, 3, 3};
         FrameRect(dc, &r, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
       },
       {W, W, W, o,  W, o, W, o,  W, W, W, o,  o, o, o, o}},
      {"rectangle: pen outline, brush inside",
       [](HDC dc) {
         HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
         HGDIOBJ old = SelectObject(dc, red);
         Rectangle(dc, 0, 0, 4, 3);
         SelectObject(dc, old);
         DeleteObject(red);
       },
       {W, W, W, W,  W, R, R, W,  W, W, W, W,  o, o, o, o}},
      {"rectangle without a pen fills one pixel less",
       [](HDC dc) {
         SelectObject(dc, GetStockObject(NULL_PEN));
         Rectangle(dc, 0, 0, 3, 3);
       },
       {R, R, o, o,  R, R, o, o,  o, o, o, o,  o, o, o, o}},
      {"set pixel through a viewport origin, clipped",
       [](HDC dc) {
         SetViewportOrgEx(dc, 1, 1, nullptr);
         IntersectClipRect(dc, 0, 0, 2, 2);
         EXPECT_EQ(SetPixel(dc, 1, 0, RGB(255, 255, 255)), RGB(255, 255, 255));
         EXPECT_EQ(SetPixel(dc, 2, 0, RGB(255, 255, 255)), CLR_INVALID);
         EXPECT_EQ(GetPixel(dc, 2, 2), CLR_INVALID);
         EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
       },
       {o, o, o, o,  o, o, W, o,  o, o, o, o,  o, o, o, o}},
  };
  for (const Case& c : cases) {
    TestCanvas canvas(4, 4, o);
    SelectObject(canvas.Dc(), GetStockObject(WHITE_PEN));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(canvas.Dc(), red);
    c.draw(canvas.Dc());
    EXPECT_EQ(canvas.Pixels(), c.expected) << c.name;
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
  }
}

}  // namespace
}  // namespace qb
