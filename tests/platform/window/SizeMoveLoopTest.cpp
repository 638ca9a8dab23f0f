#include <gtest/gtest.h>

#include <thread>

#include "platform/backend/RawInput.h"
#include "platform/window/InputApi.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

constexpr LONG kSnap = 50;

// A client-area press starts the system move loop (as a window without a
// caption does), and WM_MOVING snaps the left edge to a 50-pixel grid.
TestWindow::Handler DragByClientArea(std::vector<RECT>& proposals) {
  return [&proposals](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_LBUTTONDOWN) {
      ReleaseCapture();
      SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
      return 0;
    }
    if (message == WM_MOVING) {
      RECT& r = *reinterpret_cast<RECT*>(lParam);
      proposals.push_back(r);
      const LONG width = r.right - r.left;
      r.left = (r.left + kSnap / 2) / kSnap * kSnap;
      r.right = r.left + width;
      return TRUE;
    }
    return std::nullopt;
  };
}

TEST(SizeMoveLoop, DragMovesWindowWithRewrittenRectangleWhileTimersRun) {
  std::vector<RECT> proposals;
  TestWindow window({.rect = {100, 100, 300, 200}, .handler = DragByClientArea(proposals)});
  int ticks = 0;
  window.handler = [&, inner = window.handler](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_TIMER) ++ticks;
    return inner(h, m, w, l);
  };
  SetTimer(window.Handle(), 9, 10, nullptr);
  DeliverPointerMove(POINT{150, 150});
  PumpPending();
  int ticksAtStart = 0;
  // The pointer moves in steps while the loop runs, as a hand would.
  std::thread hand([&] {
    DeliverButton(MouseButton::kLeft, true);
    for (int step = 1; step <= 5; ++step) {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      DeliverPointerMove(POINT{150 + 37 * step / 5, 150 + 20 * step / 5});
    }
    DeliverButton(MouseButton::kLeft, false);
  });
  window.ClearSeen();
  ticksAtStart = ticks;
  EXPECT_TRUE(PumpUntil([&] { return window.Count(WM_EXITSIZEMOVE) == 1; }));
  hand.join();
  KillTimer(window.Handle(), 9);

  EXPECT_EQ(window.Count(WM_ENTERSIZEMOVE), 1);
  ASSERT_FALSE(proposals.empty());
  EXPECT_EQ(proposals.back(), (RECT{137, 120, 337, 220})) << "the proposal follows the pointer";
  RECT placed;
  GetWindowRect(window.Handle(), &placed);
  EXPECT_EQ(placed, (RECT{150, 120, 350, 220})) << "the rewritten rectangle wins";
  EXPECT_GT(ticks - ticksAtStart, 0) << "timers keep running inside the loop";
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(window.Count(WM_LBUTTONUP), 0) << "the loop takes the release";
  const auto order = window.SeenOf({WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE});
  EXPECT_EQ(order.front(), WM_ENTERSIZEMOVE);
  EXPECT_EQ(order.back(), WM_EXITSIZEMOVE);
}

TEST(SizeMoveLoop, SizingKeepsTheMinimumTrackingSize) {
  TestWindow window({.style = WS_POPUP | WS_VISIBLE | WS_THICKFRAME,
                     .rect = {100, 100, 300, 200},
                     .handler = [](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
                       if (message == WM_GETMINMAXINFO) {
                         reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{150, 80};
                         return 0;
                       }
                       return std::nullopt;
                     }});
  DeliverPointerMove(POINT{298, 198});
  PumpPending();
  // The bottom-right corner is a sizing edge of the default frame; the
  // default of WM_NCLBUTTONDOWN starts the size loop there.
  DeliverButton(MouseButton::kLeft, true);
  DeliverPointerMove(POINT{218, 150});
  DeliverButton(MouseButton::kLeft, false);
  EXPECT_TRUE(PumpUntil([&] { return window.Count(WM_EXITSIZEMOVE) == 1; }));
  EXPECT_GE(window.Count(WM_SIZING), 1);
  RECT placed;
  GetWindowRect(window.Handle(), &placed);
  EXPECT_EQ(placed, (RECT{100, 100, 250, 180}));
}

}  // namespace
}  // namespace qb::test
