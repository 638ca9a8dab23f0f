#include <gtest/gtest.h>

#include <fstream>

#include "platform/gdi/Draw.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/window/PaintApi.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/SystemMetrics.h"
#include "tests/platform/gdi/TestCanvas.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

constexpr std::uint32_t kRed = PixelFromColor(RGB(255, 0, 0));
constexpr std::uint32_t kGreen = PixelFromColor(RGB(0, 255, 0));
constexpr std::uint32_t kBlue = PixelFromColor(RGB(0, 0, 255));

// Paints the whole client area (and well beyond) in one colour, so that
// only clipping keeps the paint inside the window; counts WM_ERASEBKGND.
struct Painter {
  COLORREF color;
  int erases = 0;
  TestWindow::Handler Handler() {
    return [this](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_ERASEBKGND) {
        ++erases;
        return 1;
      }
      if (message != WM_PAINT) return std::nullopt;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HBRUSH brush = CreateSolidBrush(color);
      const RECT everything{-100, -100, 500, 500};
      FillRect(dc, &everything, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      return 0;
    };
  }
};

TEST(WindowPaint, ChildPaintsIntoItsPartOfTheParentsStore) {
  Painter parentPaint{RGB(255, 0, 0)};
  Painter childPaint{RGB(0, 255, 0)};
  TestWindow parent({.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, .rect = {0, 0, 40, 30},
                     .handler = parentPaint.Handler()});
  TestWindow child({.style = WS_CHILD | WS_VISIBLE, .rect = {10, 10, 30, 20}, .parent = parent.Handle(),
                    .handler = childPaint.Handler()});
  PumpPending();
  const Surface& store = *GetPaintTarget(parent.Handle(), true).store;
  auto rgb = [&](int x, int y) { return store.At(x, y) & 0xFFFFFF; };
  EXPECT_EQ(rgb(5, 5), kRed);
  EXPECT_EQ(rgb(10, 10), kGreen);
  EXPECT_EQ(rgb(29, 19), kGreen);
  EXPECT_EQ(rgb(30, 19), kRed);
  EXPECT_EQ(rgb(29, 20), kRed);

  childPaint.color = RGB(0, 0, 255);
  childPaint.erases = 0;
  const RECT corner{0, 0, 5, 5};
  InvalidateRect(child.Handle(), &corner, TRUE);
  UpdateWindow(child.Handle());
  EXPECT_EQ(childPaint.erases, 1);
  EXPECT_EQ(rgb(14, 14), kBlue) << "the update region was repainted";
  EXPECT_EQ(rgb(15, 15), kGreen) << "BeginPaint clips to the update region";
  EXPECT_EQ(rgb(9, 9), kRed);

  parentPaint.color = RGB(0, 0, 0);
  InvalidateRect(parent.Handle(), nullptr, FALSE);
  UpdateWindow(parent.Handle());
  EXPECT_EQ(rgb(5, 5), 0u);
  EXPECT_EQ(rgb(15, 15), kGreen) << "WS_CLIPCHILDREN keeps the parent off the child";
}

TEST(WindowPaint, WindowAndClientContextsHaveTheirOrigins) {
  TestWindow window({.style = WS_POPUP | WS_VISIBLE | WS_BORDER, .rect = {0, 0, 30, 30}, .handler = {}});
  PumpPending();
  const PaintTarget target = GetPaintTarget(window.Handle(), false);
  ASSERT_NE(target.clientOrigin, target.windowOrigin) << "the border moves the client area";

  HDC client = GetDC(window.Handle());
  SetPixel(client, 0, 0, RGB(1, 2, 3));
  EXPECT_EQ(SetPixel(client, -1, -1, RGB(1, 2, 3)), CLR_INVALID) << "the client context stays off the frame";
  EXPECT_EQ(ReleaseDC(window.Handle(), client), 1);
  HDC whole = GetWindowDC(window.Handle());
  SetPixel(whole, 0, 0, RGB(4, 5, 6));
  ReleaseDC(window.Handle(), whole);

  EXPECT_EQ(target.store->At(target.clientOrigin.x, target.clientOrigin.y), PixelFromColor(RGB(1, 2, 3)));
  EXPECT_EQ(target.store->At(target.windowOrigin.x, target.windowOrigin.y), PixelFromColor(RGB(4, 5, 6)));
}

// A 40 × 40 opaque blue window with a shaped green window and a layered
// window over it.
TEST(WindowPaint, ScreenComposesShapesAndLayeredWindows) {
  Painter bluePaint{RGB(0, 0, 255)};
  Painter greenPaint{RGB(0, 255, 0)};
  TestWindow bottom({.style = WS_POPUP | WS_VISIBLE, .rect = {0, 0, 40, 40}, .handler = bluePaint.Handler()});
  TestWindow shaped({.style = WS_POPUP | WS_VISIBLE, .rect = {10, 10, 30, 30}, .handler = greenPaint.Handler()});
  // An L: the top row of the window and its left column, 5 pixels thick.
  HRGN shape = CreateRectRgn(0, 0, 20, 5);
  HRGN column = CreateRectRgn(0, 0, 5, 20);
  CombineRgn(shape, shape, column, RGN_OR);
  DeleteObject(column);
  SetWindowRgn(shaped.Handle(), shape, TRUE);
  TestWindow layered({.style = WS_POPUP | WS_VISIBLE, .exStyle = WS_EX_LAYERED, .rect = {20, 20, 30, 30}, .handler = {}});
  PumpPending();

  const Surface before = ComposeScreen();
  EXPECT_EQ(before.At(25, 25), kBlue | 0xFF000000u) << "a layered window shows nothing before it has content";

  TestCanvas content(10, 10, 0x80800000);  // premultiplied red at half coverage
  const POINT origin{0, 0};
  const SIZE size{10, 10};
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(UpdateLayeredWindow(layered.Handle(), nullptr, nullptr, &size, content.Dc(), &origin, 0, &blend,
                                  ULW_ALPHA));

  const Surface screen = ComposeScreen();
  ASSERT_EQ(screen.Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screen.At(5, 5), kBlue | 0xFF000000u);
  EXPECT_EQ(screen.At(12, 12), kGreen | 0xFF000000u) << "inside the shape";
  EXPECT_EQ(screen.At(20, 18), kBlue | 0xFF000000u) << "outside the shape the window below shows";
  EXPECT_EQ(screen.At(25, 25), 0xFF80007Fu) << "half red over blue: 128 + 0, 0, 255 × 127 / 255";
  EXPECT_EQ(screen.At(50, 50), PixelFromColor(GetSysColor(COLOR_BACKGROUND)) | 0xFF000000u);

  SetLayeredWindowAttributes(layered.Handle(), 0, 51, LWA_ALPHA);
  InvalidateRect(layered.Handle(), nullptr, TRUE);
  PumpPending();
  HDC dc = GetDC(layered.Handle());
  const RECT all{0, 0, 10, 10};
  FillRect(dc, &all, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  ReleaseDC(layered.Handle(), dc);
  EXPECT_EQ(ComposeScreen().At(25, 25), 0xFF3333FFu) << "white mixed at 51 / 255 over blue";
}

TEST(WindowPaint, LayeredUpdatesNeedALayeredWindowAndAFittingSource) {
  TestWindow plain({.style = WS_POPUP | WS_VISIBLE, .rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow layered({.style = WS_POPUP | WS_VISIBLE, .exStyle = WS_EX_LAYERED, .rect = {0, 0, 10, 10}, .handler = {}});
  TestCanvas content(8, 8);
  const SIZE size{10, 10};
  const POINT origin{0, 0};
  EXPECT_FALSE(UpdateLayeredWindow(plain.Handle(), nullptr, nullptr, nullptr, content.Dc(), &origin, 0, nullptr, ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(layered.Handle(), nullptr, nullptr, &size, content.Dc(), &origin, 0, nullptr, ULW_ALPHA));
  EXPECT_FALSE(SetLayeredWindowAttributes(plain.Handle(), 0, 128, LWA_ALPHA));
}

TEST(WindowPaint, ScreenshotsArePngFiles) {
  Painter paint{RGB(0, 128, 0)};
  TestWindow window({.style = WS_POPUP | WS_VISIBLE, .rect = {0, 0, 16, 8}, .handler = paint.Handler()});
  PumpPending();
  TempDir dir;
  WriteScreenPng(dir.Path() / "screen.png");
  WriteWindowPng(window.Handle(), dir.Path() / "window.png");
  for (const char* name : {"screen.png", "window.png"}) {
    std::ifstream file(dir.Path() / name, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG") << name;
  }
  EXPECT_EQ(CaptureWindow(window.Handle()).At(3, 3), 0xFF008000u);
}

}  // namespace
}  // namespace qb::test
