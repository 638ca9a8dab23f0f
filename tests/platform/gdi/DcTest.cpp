#include "platform/gdi/Dc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Draw.h"
#include "tests/platform/gdi/TestCanvas.h"

namespace qb {
namespace {

using test::TestCanvas;
using Pixels = std::vector<std::uint32_t>;

TEST(Dc, DibSectionMemoryIsWhatTheContextDrawsOn) {
  TestCanvas canvas(2, 2, 0xFF123456);
  const RECT r{1, 0, 2, 2};
  FillRect(canvas.Dc(), &r, GetSysColorBrush(COLOR_WINDOW));
  // GDI leaves alpha 0 where it fills.
  EXPECT_EQ(canvas.Pixels(), (Pixels{0xFF123456, 0x00FFFFFF, 0xFF123456, 0x00FFFFFF}));
  canvas.At(0, 1) = 0x80ABCDEF;
  EXPECT_EQ(GetPixel(canvas.Dc(), 0, 1), RGB(0xAB, 0xCD, 0xEF));
  BITMAP info;
  ASSERT_EQ(GetObject(canvas.Bitmap(), sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidthBytes, 8);
  EXPECT_EQ(static_cast<std::uint32_t*>(info.bmBits)[2], 0x80ABCDEFu);
}

// A 2 × 2 bitmap of another format, read through BitBlt and written by
// FillRect; `bytes` is the memory layout Windows uses for the format.
TEST(Dc, OtherFormatsAreReadAndWrittenInTheirOwnLayout) {
  struct Case {
    const char* name;
    WORD bpp;
    LONG height;  // negative: top-down
    std::vector<RGBQUAD> palette;
    std::vector<BYTE> bytes;
    Pixels seen;                   // top-down, alpha 0
    std::vector<BYTE> afterFill;   // after filling the top-left pixel white
  };
  const RGBQUAD black{0, 0, 0, 0}, white{255, 255, 255, 0}, red{0, 0, 255, 0};
  const std::vector<Case> cases = {
      {"24 bits bottom-up", 24, 2, {},
       {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0},
       {0x00090807, 0x000C0B0A, 0x00030201, 0x00060504},
       {1, 2, 3, 4, 5, 6, 0, 0, 255, 255, 255, 10, 11, 12, 0, 0}},
      {"8 bits top-down", 8, -2, {black, red, white},
       {1, 0, 0, 0, 2, 1, 0, 0},
       {0x00FF0000, 0, 0x00FFFFFF, 0x00FF0000},
       {2, 0, 0, 0, 2, 1, 0, 0}},
      {"4 bits bottom-up", 4, 2, {black, red, white},
       {0x21, 0, 0, 0, 0x10, 0, 0, 0},
       {0x00FF0000, 0, 0x00FFFFFF, 0x00FF0000},
       {0x21, 0, 0, 0, 0x20, 0, 0, 0}},
      {"1 bit top-down", 1, -2, {black, white},
       {0x40, 0, 0, 0, 0x80, 0, 0, 0},
       {0, 0x00FFFFFF, 0x00FFFFFF, 0},
       {0xC0, 0, 0, 0, 0x80, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> infoBytes(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(infoBytes.data());
    info->bmiHeader = BITMAPINFOHEADER{};
    info->bmiHeader.biWidth = 2;
    info->bmiHeader.biHeight = c.height;
    info->bmiHeader.biBitCount = c.bpp;
    info->bmiHeader.biClrUsed = DWORD(c.palette.size());
    std::copy(c.palette.begin(), c.palette.end(), info->bmiColors);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(bitmap) << c.name;
    std::memcpy(bits, c.bytes.data(), c.bytes.size());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);

    TestCanvas canvas(2, 2, 0xDEADBEEF);
    BitBlt(canvas.Dc(), 0, 0, 2, 2, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.Pixels(), c.seen) << c.name;

    const RECT topLeft{0, 0, 1, 1};
    FillRect(dc, &topLeft, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(std::vector<BYTE>(static_cast<BYTE*>(bits), static_cast<BYTE*>(bits) + c.bytes.size()), c.afterFill)
        << c.name;

    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}

TEST(Dc, ClipRegionIsACopyInDeviceCoordinates) {
  TestCanvas canvas(4, 4);
  HDC dc = canvas.Dc();
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 4, 4}));

  HRGN region = CreateRectRgn(1, 1, 3, 3);
  EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
  OffsetRgn(region, 10, 10);
  DeleteObject(region);
  SetWindowOrgEx(dc, 1, 0, nullptr);
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{2, 1, 4, 3})) << "the box is reported in logical coordinates";

  EXPECT_EQ(ExcludeClipRect(dc, 2, 1, 3, 2), COMPLEXREGION);
  const RECT all{-5, -5, 10, 10};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const std::uint32_t w = 0x00FFFFFF;
  EXPECT_EQ(canvas.Pixels(), (Pixels{0, 0, 0, 0,
                                     0, 0, w, 0,
                                     0, w, w, 0,
                                     0, 0, 0, 0}));
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(dc, -10, -10, 10, 10), NULLREGION);
}

TEST(Dc, RestoreDcReturnsToSavedStates) {
  TestCanvas canvas(2, 1);
  HDC dc = canvas.Dc();
  SetTextColor(dc, RGB(1, 2, 3));
  const int first = SaveDC(dc);
  HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
  SelectObject(dc, brush);
  SetWindowOrgEx(dc, 5, 5, nullptr);
  IntersectClipRect(dc, 5, 5, 6, 6);
  SetTextColor(dc, RGB(4, 5, 6));
  EXPECT_EQ(SaveDC(dc), first + 1);
  SetBkMode(dc, TRANSPARENT);

  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
  EXPECT_FALSE(DeleteObject(brush)) << "still selected";

  EXPECT_TRUE(RestoreDC(dc, first));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  POINT origin;
  GetWindowOrgEx(dc, &origin);
  EXPECT_EQ(origin, (POINT{0, 0}));
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 2, 1}));
  EXPECT_TRUE(DeleteObject(brush)) << "released by the restore";
  EXPECT_FALSE(RestoreDC(dc, 1)) << "nothing saved any more";
}

TEST(Dc, SelectedObjectsAreNotFreedUnderneathTheContext) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  ASSERT_TRUE(previous);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(dc, previous), bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))) << "stock objects stay but report success";
  EXPECT_TRUE(DeleteDC(dc));
}

}  // namespace
}  // namespace qb
