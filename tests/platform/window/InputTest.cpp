#include <gtest/gtest.h>

#include <functional>

#include "platform/backend/RawInput.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintApi.h"
#include "tests/support/LayeredContent.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

void MoveTo(LONG x, LONG y) {
  DeliverPointerMove(POINT{x, y});
  PumpPending();
}

void Button(bool down, MouseButton button = MouseButton::kLeft) {
  DeliverButton(button, down);
  PumpPending();
}

// Leaves the pointer parked outside every test window and the buttons up.
class Input : public ::testing::Test {
 protected:
  void TearDown() override {
    ReleaseCapture();
    MoveTo(1900, 1000);
  }
};

constexpr LONG kBorder = 4;
constexpr LONG kCaption = 24;

// A window that reserves its own frame: 4 pixels around and a 24-pixel
// caption, and answers WM_NCHITTEST itself.
TestWindow::Handler OwnFrame() {
  return [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_NCCALCSIZE) {
      RECT& r = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
      r = RECT{r.left + kBorder, r.top + kCaption, r.right - kBorder, r.bottom - kBorder};
      return 0;
    }
    if (message == WM_NCHITTEST) {
      RECT w;
      GetWindowRect(hwnd, &w);
      const LONG x = GET_X_LPARAM(lParam) - w.left;
      const LONG y = GET_Y_LPARAM(lParam) - w.top;
      if (y < kCaption) return HTCAPTION;
      if (x >= kBorder && x < w.right - w.left - kBorder && y < w.bottom - w.top - kBorder) return HTCLIENT;
      return HTBORDER;
    }
    // Keep the default from starting the move loop on a caption press.
    if (message == WM_NCLBUTTONDOWN) return 0;
    return std::nullopt;
  };
}

TEST_F(Input, NonClientProtocolDecidesClientAndNonClientMessages) {
  TestWindow window({.rect = {100, 100, 300, 250}, .handler = OwnFrame()});
  RECT client;
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client, (RECT{0, 0, 200 - 2 * kBorder, 150 - kCaption - kBorder}));
  POINT origin{0, 0};
  ClientToScreen(window.Handle(), &origin);
  EXPECT_EQ(origin, (POINT{100 + kBorder, 100 + kCaption}));

  struct Case {
    POINT screen;
    bool press;
    UINT message;
    WPARAM wParam;  // hit code for non-client messages
    POINT where;    // client coordinates for client messages, screen otherwise
  };
  const Case cases[] = {
      {{150, 110}, false, WM_NCMOUSEMOVE, WPARAM(HTCAPTION), {150, 110}},
      {{150, 110}, true, WM_NCLBUTTONDOWN, WPARAM(HTCAPTION), {150, 110}},
      {{101, 200}, true, WM_NCLBUTTONDOWN, WPARAM(HTBORDER), {101, 200}},
      {{110, 130}, false, WM_MOUSEMOVE, 0, {110 - 100 - kBorder, 130 - 100 - kCaption}},
      {{110, 130}, true, WM_LBUTTONDOWN, MK_LBUTTON, {6, 6}},
  };
  for (const Case& c : cases) {
    window.ClearSeen();
    MoveTo(c.screen.x, c.screen.y);
    if (c.press) {
      window.ClearSeen();
      Button(true);
    }
    const UINT wanted = c.message;
    const auto& seen = window.Seen();
    auto it = std::find_if(seen.begin(), seen.end(), [&](const SeenMessage& m) { return m.message == wanted; });
    ASSERT_NE(it, seen.end()) << "message " << std::hex << wanted << " at " << std::dec << c.screen.x << "," << c.screen.y;
    EXPECT_EQ(it->wParam, c.wParam) << std::hex << wanted;
    EXPECT_EQ((POINT{GET_X_LPARAM(it->lParam), GET_Y_LPARAM(it->lParam)}), c.where) << std::hex << wanted;
    if (c.press) {
      window.ClearSeen();
      Button(false);
      EXPECT_EQ(window.Count(c.message + 1), 1) << "the release is the same kind of message";
    }
  }
  MoveTo(150, 110);
  const auto cursorHits = window.Seen();
  const bool setCursorOnCaption = std::any_of(cursorHits.begin(), cursorHits.end(), [](const SeenMessage& m) {
    return m.message == WM_SETCURSOR && LOWORD(std::uintptr_t(m.lParam)) == HTCAPTION &&
           HIWORD(std::uintptr_t(m.lParam)) == WM_MOUSEMOVE;
  });
  EXPECT_TRUE(setCursorOnCaption);
}

TEST_F(Input, CaptureTakesThePointerAndLeaveTrackingReportsOnce) {
  TestWindow left({.rect = {0, 0, 100, 100}, .handler = {}});
  TestWindow right({.rect = {100, 0, 200, 100}, .handler = {}});
  MoveTo(50, 50);
  TRACKMOUSEEVENT track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = left.Handle();
  ASSERT_TRUE(TrackMouseEvent(&track));
  MoveTo(60, 50);
  EXPECT_EQ(left.Count(WM_MOUSELEAVE), 0);

  SetCapture(left.Handle());
  right.ClearSeen();
  MoveTo(150, 20);
  EXPECT_EQ(right.Count(WM_MOUSEMOVE), 0);
  EXPECT_EQ(right.Count(WM_NCHITTEST), 0) << "nothing asks the window under a captured pointer";
  const auto& seen = left.Seen();
  auto last = std::find_if(seen.rbegin(), seen.rend(), [](const SeenMessage& m) { return m.message == WM_MOUSEMOVE; });
  ASSERT_NE(last, seen.rend());
  EXPECT_EQ(GET_X_LPARAM(last->lParam), 150) << "client coordinates of the capturing window";
  EXPECT_EQ(left.Count(WM_MOUSELEAVE), 1) << "leaving is reported under capture too";

  ReleaseCapture();
  MoveTo(160, 20);
  EXPECT_EQ(right.Count(WM_MOUSEMOVE), 1);
  EXPECT_EQ(left.Count(WM_MOUSELEAVE), 1) << "one report per request";

  track.hwndTrack = left.Handle();
  left.ClearSeen();
  TrackMouseEvent(&track);
  PumpPending();
  EXPECT_EQ(left.Count(WM_MOUSELEAVE), 1) << "asked while the pointer is elsewhere: reported at once";
}

TEST_F(Input, NonClientLeaveTracking) {
  TestWindow window({.rect = {100, 100, 300, 250}, .handler = OwnFrame()});
  MoveTo(150, 110);
  TRACKMOUSEEVENT track;
  track.dwFlags = TME_LEAVE | TME_NONCLIENT;
  track.hwndTrack = window.Handle();
  TrackMouseEvent(&track);
  MoveTo(160, 112);
  EXPECT_EQ(window.Count(WM_NCMOUSELEAVE), 0);
  MoveTo(160, 160);
  EXPECT_EQ(window.Count(WM_NCMOUSELEAVE), 1);
  EXPECT_EQ(window.Count(WM_MOUSELEAVE), 0);
}

TEST_F(Input, DoubleClicksNeedTheClassStyleAndTheSamePlace) {
  struct Case {
    const char* what;
    bool doubleClicks;
    LONG secondDx;
    UINT secondMessage;
  };
  const Case cases[] = {
      {"class with CS_DBLCLKS", true, 0, WM_LBUTTONDBLCLK},
      {"within the 4 x 4 rectangle", true, 2, WM_LBUTTONDBLCLK},
      {"outside the rectangle", true, 3, WM_LBUTTONDOWN},
      {"class without CS_DBLCLKS", false, 0, WM_LBUTTONDOWN},
  };
  for (const Case& c : cases) {
    TestWindow window({.rect = {0, 0, 100, 100}, .doubleClicks = c.doubleClicks, .handler = {}});
    MoveTo(40, 40);
    Button(true);
    Button(false);
    MoveTo(40 + c.secondDx, 40);
    window.ClearSeen();
    Button(true);
    Button(false);
    EXPECT_EQ(window.SeenOf({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), std::vector<UINT>{c.secondMessage}) << c.what;
    MoveTo(1900, 1000);
  }
}

TEST_F(Input, MouseActivationAnswers) {
  TestWindow first({.rect = {0, 0, 100, 100}, .handler = {}});
  struct Case {
    LRESULT answer;
    bool activates;
    bool delivers;
  };
  const Case cases[] = {{MA_ACTIVATE, true, true},
                        {MA_ACTIVATEANDEAT, true, false},
                        {MA_NOACTIVATE, false, true},
                        {MA_NOACTIVATEANDEAT, false, false}};
  for (const Case& c : cases) {
    SetActiveWindow(first.Handle());
    TestWindow second({.rect = {200, 0, 300, 100},
                       .handler = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                         if (m == WM_MOUSEACTIVATE) return c.answer;
                         return std::nullopt;
                       }});
    SetActiveWindow(first.Handle());
    second.ClearSeen();
    MoveTo(250, 50);
    Button(true);
    Button(false);
    EXPECT_EQ(GetActiveWindow() == second.Handle(), c.activates) << c.answer;
    EXPECT_EQ(second.Count(WM_LBUTTONDOWN), c.delivers ? 1 : 0) << c.answer;
    if (c.activates) {
      const auto& seen = second.Seen();
      auto activate = std::find_if(seen.begin(), seen.end(), [](const SeenMessage& m) { return m.message == WM_ACTIVATE; });
      ASSERT_NE(activate, seen.end());
      EXPECT_EQ(LOWORD(activate->wParam), WA_CLICKACTIVE);
    }
  }
  TestWindow noActivate({.exStyle = WS_EX_NOACTIVATE, .rect = {400, 0, 500, 100}, .handler = {}});
  SetActiveWindow(first.Handle());
  MoveTo(450, 50);
  Button(true);
  Button(false);
  EXPECT_EQ(GetActiveWindow(), first.Handle());
  EXPECT_EQ(noActivate.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(Input, WindowFromPointHonoursShapesAndClickThrough) {
  TestWindow back({.rect = {0, 0, 300, 300}, .handler = {}});
  TestWindow shaped({.rect = {0, 0, 100, 100}, .handler = {}});
  HRGN ring = CreateRectRgn(0, 0, 100, 100);
  HRGN hole = CreateRectRgn(25, 25, 75, 75);
  CombineRgn(ring, ring, hole, RGN_DIFF);
  DeleteObject(hole);
  SetWindowRgn(shaped.Handle(), ring, TRUE);
  TestWindow clickThrough({.exStyle = WS_EX_TRANSPARENT, .rect = {150, 0, 250, 100}, .handler = {}});
  TestWindow hidden({.style = WS_POPUP, .rect = {0, 150, 100, 250}, .handler = {}});
  TestWindow child({.style = WS_CHILD | WS_VISIBLE, .rect = {200, 200, 250, 250}, .parent = back.Handle(), .handler = {}});
  TestWindow disabled({.style = WS_CHILD | WS_VISIBLE | WS_DISABLED, .rect = {100, 200, 150, 250}, .parent = back.Handle(), .handler = {}});

  struct Case {
    POINT point;
    HWND expected;
    const char* what;
  };
  const Case cases[] = {
      {{10, 10}, shaped.Handle(), "on the ring"},
      {{50, 50}, back.Handle(), "in the hole of the shape"},
      {{200, 50}, back.Handle(), "through a click-through window"},
      {{50, 200}, back.Handle(), "where only a hidden window is"},
      {{220, 220}, child.Handle(), "on a child"},
      {{120, 220}, back.Handle(), "on a disabled child"},
      {{500, 500}, nullptr, "on the bare screen"},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowFromPoint(c.point), c.expected) << c.what;

  back.ClearSeen();
  MoveTo(50, 50);
  EXPECT_EQ(back.Count(WM_MOUSEMOVE), 1) << "real input goes through the hole as well";
  MoveTo(200, 50);
  EXPECT_EQ(back.Count(WM_MOUSEMOVE), 2);
  EXPECT_EQ(clickThrough.Count(WM_MOUSEMOVE), 0);
}

// Content for a layered window of 100 pixels' width: opaque grey up to
// column 50, then alpha 1, then alpha 0 from column 75.
std::uint32_t Banded(int x, int) { return x < 50 ? 0xFF808080u : x < 75 ? 0x01000000u : 0x00000000u; }

// What cannot be seen of a layered window cannot be clicked either: the
// pointer goes through pixels of alpha 0 (and through the whole window at
// constant alpha 0, or before it shows anything) to the window below.
TEST_F(Input, InvisiblePixelsOfALayeredWindowLetThePointerThrough) {
  TestWindow back({.rect = {100, 100, 400, 300}, .handler = {}});
  struct Case {
    const char* what;
    std::function<void(HWND)> show;
    bool opaqueHits, faintHits, clearHits;  // columns 10, 60 and 90 of the layered window
  };
  const Case cases[] = {
      {"per-pixel content", [](HWND hwnd) { GiveLayeredContent(hwnd, 100, 100, Banded); }, true, true, false},
      {"content at constant alpha 0", [](HWND hwnd) { GiveLayeredContent(hwnd, 100, 100, Banded, 0); }, false, false, false},
      {"nothing shown yet", [](HWND) {}, false, false, false},
      {"store at constant alpha 128", [](HWND hwnd) { SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA); }, true,
       true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow layered({.exStyle = WS_EX_LAYERED, .rect = {150, 150, 250, 250}, .handler = {}});
    c.show(layered.Handle());
    const std::pair<LONG, bool> columns[] = {{10, c.opaqueHits}, {60, c.faintHits}, {90, c.clearHits}};
    for (const auto& [column, hits] : columns) {
      SCOPED_TRACE(testing::Message() << "column " << column);
      const POINT point{150 + column, 200};
      EXPECT_EQ(WindowFromPoint(point), hits ? layered.Handle() : back.Handle());
      back.ClearSeen();
      layered.ClearSeen();
      MoveTo(point.x, point.y);
      Button(true);
      Button(false);
      EXPECT_EQ(layered.Count(WM_LBUTTONDOWN), hits ? 1 : 0);
      EXPECT_EQ(back.Count(WM_LBUTTONDOWN), hits ? 0 : 1);
    }
  }
}

TEST_F(Input, KeysGoToTheFocusAndTranslateToCharacters) {
  TestWindow window({});
  SetFocus(window.Handle());
  EXPECT_EQ(GetFocus(), window.Handle());
  window.ClearSeen();
  DeliverKey(VK_RETURN, true);
  DeliverKey(VK_RETURN, false);
  PumpPending();
  EXPECT_EQ(window.SeenOf({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
  window.ClearSeen();
  DeliverKey(VK_MENU, true);
  PumpPending();
  EXPECT_TRUE(GetKeyState(VK_MENU) & 0x8000);
  DeliverKey(VK_SPACE, true);
  DeliverKey(VK_SPACE, false);
  DeliverKey(VK_MENU, false);
  PumpPending();
  EXPECT_FALSE(GetKeyState(VK_MENU) & 0x8000);
  EXPECT_EQ(window.SeenOf({WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSCOMMAND}),
            (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSCOMMAND}));
  DeliverKey(VK_MENU, true);
  DeliverKey(VK_F4, true);
  DeliverKey(VK_F4, false);
  DeliverKey(VK_MENU, false);
  PumpPending();
  EXPECT_FALSE(IsWindow(window.Handle())) << "Alt+F4 closes the window";
}

}  // namespace
}  // namespace qb::test
