#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/events/EventLog.h"
#include "platform/gdi/PixelOps.h"
#include "platform/script/ScreenshotHook.h"
#include "tests/support/LayeredContent.h"
#include "tests/support/PngRead.h"

#include "platform/backend/x11/X11State.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Draw.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/gdi/window/WindowDc.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowApi.h"
#include "tests/platform/x11/X11Session.h"
#include "tests/support/TestWindow.h"

#include <X11/cursorfont.h>
#include <X11/keysym.h>

namespace qb::test {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

// Paints the whole window in one colour.
TestWindow::Handler Paint(COLORREF color) {
  return [color](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(color);
    const RECT everything{0, 0, 1000, 1000};
    FillRect(dc, &everything, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  };
}

// Premultiplied content for a layered window: opaque red on the left half,
// fully transparent on the right.
void HalfRedContent(HWND hwnd, int width, int height) {
  GiveLayeredContent(hwnd, width, height, [width](int x, int) { return x < width / 2 ? 0xFFFF0000u : 0u; });
}

class X11Display : public ::testing::Test {
 protected:
  void SetUp() override {
    session = X11Session::Get();
    if (!session) GTEST_SKIP() << "no X display could be reached (DISPLAY unset or refused); scripts/test runs these under Xvfb";
    session->Backend().LimitFeatures(X11Features{true, true, true, true});
  }
  void TearDown() override {
    if (session) session->Backend().LimitFeatures(X11Features{true, true, true, true});
  }

  X11Session* session = nullptr;
};

TEST_F(X11Display, LayeredAndShapedWindowsShowTheirPixelsOnly) {
  constexpr std::uint32_t kRawTransparent = 0x000000;
  struct Case {
    const char* what;
    X11Features allowed;
    bool cutToPixels;  // the transparent half is cut away rather than left to a compositor
  };
  const Case cases[] = {
      {"ARGB visual, no compositor", {true, true, true, false}, true},
      {"no ARGB visual", {true, false, true, false}, true},
      {"no shared memory", {true, true, false, false}, true},
      // Our fake compositor blends nothing, so the ARGB pixels show raw.
      {"ARGB visual and a compositor", {true, true, true, true}, false},
  };
  ASSERT_TRUE(session->Backend().Features().compositor) << "the session poses as a compositor";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session->Backend().LimitFeatures(c.allowed);
    const std::uint32_t desktop = session->Pixel(700, 700);
    TestWindow below({.rect = {100, 100, 200, 200}, .handler = Paint(RGB(0, 0, 255))});
    TestWindow layered({.exStyle = WS_EX_LAYERED, .rect = {120, 120, 220, 220}, .handler = {}});
    HalfRedContent(layered.Handle(), 100, 100);
    TestWindow shaped({.rect = {300, 100, 400, 200}, .handler = Paint(RGB(0, 255, 0))});
    SetWindowRgn(shaped.Handle(), CreateRectRgn(0, 0, 50, 100), TRUE);

    EXPECT_EQ(session->Pixel(110, 110), kBlue);
    EXPECT_EQ(session->Pixel(140, 150), kRed) << "the opaque half";
    EXPECT_EQ(session->Pixel(190, 150), c.cutToPixels ? kBlue : kRawTransparent) << "the transparent half";
    EXPECT_EQ(session->Pixel(210, 150), c.cutToPixels ? desktop : kRawTransparent) << "the transparent half";
    EXPECT_EQ(session->Pixel(320, 150), kGreen) << "inside the shape";
    EXPECT_EQ(session->Pixel(370, 150), desktop) << "outside the shape";
  }
}

// What cannot be seen cannot be clicked: the transparent half of a layered
// window lets clicks through to what lies below, here another program's
// window, whether a compositing manager blends it (its input shape) or not
// (its bounding shape).
TEST_F(X11Display, ALayeredWindowTakesThePointerOnlyWhereItShowsPixels) {
  const unsigned long below = session->ShowForeignWindow({100, 100, 300, 300}, 0x0000FF);
  for (const bool compositor : {true, false}) {
    SCOPED_TRACE(compositor ? "with a compositor" : "without a compositor");
    session->Backend().LimitFeatures(X11Features{true, true, true, compositor});
    TestWindow layered({.exStyle = WS_EX_LAYERED, .rect = {150, 150, 250, 250}, .handler = {}});
    HalfRedContent(layered.Handle(), 100, 100);
    session->Settle();
    struct Case {
      POINT screen;
      bool ours;
    };
    const Case cases[] = {{{170, 200}, true}, {{230, 200}, false}, {{120, 120}, false}};
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "at " << c.screen.x << ", " << c.screen.y);
      session->ForeignClicks(below);
      layered.ClearSeen();
      session->MovePointer(c.screen.x, c.screen.y);
      session->Button(1, true);
      session->Button(1, false);
      session->Settle();
      EXPECT_EQ(layered.Count(WM_LBUTTONDOWN), c.ours ? 1 : 0);
      EXPECT_EQ(session->ForeignClicks(below), c.ours ? 0 : 1);
    }
  }
  session->DestroyForeignWindow(below);
}

// A compositing manager may start or stop while we run; the backend follows
// its selection and tells every window, and layered windows change their
// look at once.
TEST_F(X11Display, TheCompositorComingAndGoingIsAnnouncedAndFollowed) {
  int announced = 0;
  TestWindow below({.rect = {100, 100, 300, 300}, .handler = Paint(RGB(0, 0, 255))});
  TestWindow listener({.rect = {400, 100, 450, 150},
                       .handler = [&, paint = Paint(RGB(0, 255, 0))](HWND hwnd, UINT message, WPARAM w,
                                                                      LPARAM l) -> std::optional<LRESULT> {
                         if (message == WM_DWMCOMPOSITIONCHANGED) ++announced;
                         return paint(hwnd, message, w, l);
                       }});
  TestWindow layered({.exStyle = WS_EX_LAYERED, .rect = {120, 120, 220, 220}, .handler = {}});
  HalfRedContent(layered.Handle(), 100, 100);
  session->Settle();
  announced = 0;
  ASSERT_TRUE(PerPixelAlphaShown());
  EXPECT_EQ(session->Pixel(190, 150), 0x000000u) << "unblended ARGB pixels show raw under our pretend compositor";

  session->PoseAsCompositor(false);
  ASSERT_TRUE(PumpUntil([&] {
    session->Settle();
    return announced == 1;
  }));
  EXPECT_FALSE(PerPixelAlphaShown());
  EXPECT_FALSE(session->Backend().Features().compositor);
  EXPECT_EQ(session->Pixel(190, 150), kBlue) << "without a compositor the transparent half is cut away";

  session->PoseAsCompositor(true);
  ASSERT_TRUE(PumpUntil([&] {
    session->Settle();
    return announced == 2;
  }));
  EXPECT_TRUE(PerPixelAlphaShown());
  EXPECT_EQ(session->Pixel(190, 150), 0x000000u);

  // Limiting the features in a test is announced the same way.
  session->Backend().LimitFeatures(X11Features{true, true, true, false});
  session->Settle();
  EXPECT_EQ(announced, 3);
}

// Desktop tools and automation find our windows by their names.
TEST_F(X11Display, WindowsCarryTheirCaptionAsTheirName) {
  TestWindow window({.rect = {100, 100, 200, 200}, .handler = Paint(RGB(0, 0, 255))});
  using Names = std::vector<std::pair<std::string, std::string>>;
  auto named = [&](const std::string& name) {
    const Names names = session->WindowNames();
    return std::count(names.begin(), names.end(), std::pair{name, name});
  };
  SetWindowText(window.Handle(), u"Erzeuge PDF-Datei");
  session->Settle();
  EXPECT_EQ(named("Erzeuge PDF-Datei"), 1);
  SetWindowText(window.Handle(), u"Fenster schließt");
  session->Settle();
  EXPECT_EQ(named("Fenster schließt"), 1) << "WM_NAME in compound text, _NET_WM_NAME in UTF-8";
  EXPECT_EQ(named("Erzeuge PDF-Datei"), 0);
}

// Under XWayland the root window reads as black; the screenshot then shows
// our own windows over the desktop colour rather than a black picture, and
// the event log tells whether a screenshot was written.
TEST_F(X11Display, AScreenshotShowsOurWindowsWhereTheScreenCannotBeRead) {
  TestWindow ours({.rect = {100, 100, 200, 200}, .handler = Paint(RGB(0, 0, 255))});
  const unsigned long foreign = session->ShowForeignWindow({500, 100, 600, 200}, 0xFF0000);
  session->Settle();
  std::vector<bool> written;
  const events::Subscription subscription = events::Subscribe([&](const events::Event& event) {
    if (event.name == "screenshot") written.push_back(std::get<bool>(*event.Find("written")));
  });
  struct Case {
    const char* what;
    bool rootPixels;
    std::uint32_t foreignShows;
  };
  const std::uint32_t desktop = PixelFromColor(GetSysColor(COLOR_BACKGROUND));
  const Case cases[] = {{"the root can be read", true, kRed}, {"the root cannot be read", false, desktop}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session->Backend().LimitFeatures(X11Features{true, true, true, true, c.rootPixels});
    const std::filesystem::path file = std::filesystem::path(testing::TempDir()) / "x11-screenshot.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(WriteScreenshot(file));
    const std::optional<Surface> shot = ReadPng(file);
    ASSERT_TRUE(shot.has_value());
    EXPECT_EQ(shot->At(150, 150) & 0xFFFFFFu, kBlue);
    EXPECT_EQ(shot->At(550, 150) & 0xFFFFFFu, c.foreignShows);
  }
  EXPECT_EQ(written, (std::vector<bool>{true, true}));
  session->DestroyForeignWindow(foreign);
}

// Large pictures go through shared memory, small ones through the
// connection; either way, with or without the extension, the pixels show.
TEST_F(X11Display, SmallAndLargeWindowsShowTheirPixels) {
  for (const bool sharedMemory : {true, false}) {
    SCOPED_TRACE(sharedMemory ? "shared memory offered" : "no shared memory");
    session->Backend().LimitFeatures(X11Features{true, true, sharedMemory, true});
    TestWindow small({.rect = {100, 100, 150, 150}, .handler = Paint(RGB(0, 0, 255))});
    TestWindow large({.rect = {200, 100, 600, 500}, .handler = Paint(RGB(0, 255, 0))});
    EXPECT_EQ(session->Pixel(120, 120), kBlue);
    EXPECT_EQ(session->Pixel(210, 110), kGreen);
    EXPECT_EQ(session->Pixel(590, 490), kGreen) << "the far corner of the large window";
  }
}

TEST_F(X11Display, ClicksAndKeysReachTheWindowUnderThePointer) {
  TestWindow back({.rect = {100, 100, 300, 300}, .handler = Paint(RGB(0, 0, 255))});
  TestWindow front({.rect = {200, 200, 400, 400}, .handler = Paint(RGB(0, 255, 0))});
  // The front window lacks its top-left corner: clicks there hit the back.
  HRGN shape = CreateRectRgn(0, 0, 200, 200);
  HRGN corner = CreateRectRgn(0, 0, 50, 50);
  CombineRgn(shape, shape, corner, RGN_DIFF);
  DeleteObject(corner);
  SetWindowRgn(front.Handle(), shape, TRUE);
  session->Settle();

  struct Case {
    POINT screen;
    TestWindow* hit;
    TestWindow* other;
    POINT client;
  };
  // A click raises the window it activates, so the front one goes first.
  const Case cases[] = {
      {{260, 260}, &front, &back, {60, 60}},
      {{210, 210}, &back, &front, {110, 110}},
      {{150, 120}, &back, &front, {50, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "at " << c.screen.x << ", " << c.screen.y);
    back.ClearSeen();
    front.ClearSeen();
    session->MovePointer(c.screen.x, c.screen.y);
    session->Button(1, true);
    session->Button(1, false);
    session->Settle();
    ASSERT_EQ(c.hit->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(c.hit->Count(WM_LBUTTONUP), 1);
    EXPECT_EQ(c.other->Count(WM_LBUTTONDOWN), 0);
    for (const SeenMessage& seen : c.hit->Seen()) {
      if (seen.message != WM_LBUTTONDOWN) continue;
      EXPECT_EQ(GET_X_LPARAM(seen.lParam), c.client.x);
      EXPECT_EQ(GET_Y_LPARAM(seen.lParam), c.client.y);
    }
  }

  // The click gave the front window the X focus and the core activated it:
  // keys now come to it as virtual keys.
  session->MovePointer(350, 350);
  session->Button(1, true);
  session->Button(1, false);
  session->Settle();
  front.ClearSeen();
  session->Key(XK_a);
  session->Key(XK_Return);
  session->Settle();
  std::vector<WPARAM> keys;
  for (const SeenMessage& seen : front.Seen()) {
    if (seen.message == WM_KEYDOWN) keys.push_back(seen.wParam);
  }
  EXPECT_EQ(keys, (std::vector<WPARAM>{'A', VK_RETURN}));
}

// What a key types comes from the keyboard layout: shifted symbols, keys
// without a virtual key of their own, and symbols beyond Latin-1.
TEST_F(X11Display, KeysTypeTheCharactersOfTheLayout) {
  TestWindow window({.rect = {100, 100, 300, 300}, .handler = Paint(RGB(0, 0, 255))});
  session->MovePointer(200, 200);
  session->Button(1, true);
  session->Button(1, false);
  session->Settle();
  const unsigned umlaut = session->MapSpareKey({XK_udiaeresis, XK_Udiaeresis});
  const unsigned euro = session->MapSpareKey({XK_EuroSign});
  ASSERT_NE(umlaut, 0u);
  ASSERT_NE(euro, 0u);
  struct Case {
    const char* what;
    unsigned code;
    bool shifted;
    WPARAM key;
    std::vector<WPARAM> typed;
  };
  const Case cases[] = {
      {"a", session->KeyCodeOf(XK_a), false, 'A', {u'a'}},
      {"shift a", session->KeyCodeOf(XK_a), true, 'A', {u'A'}},
      {"shift 1", session->KeyCodeOf(XK_1), true, '1', {u'!'}},
      {"minus", session->KeyCodeOf(XK_minus), false, VK_PACKET, {u'-'}},
      {"u umlaut", umlaut, false, VK_PACKET, {u'ü'}},
      {"shift u umlaut", umlaut, true, VK_PACKET, {u'Ü'}},
      {"euro sign", euro, false, VK_PACKET, {u'€'}},
      {"return", session->KeyCodeOf(XK_Return), false, VK_RETURN, {u'\r'}},
      {"left arrow", session->KeyCodeOf(XK_Left), false, VK_LEFT, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.ClearSeen();
    session->TypeKeyCode(c.code, c.shifted);
    session->Settle();
    std::vector<WPARAM> keys, typed;
    for (const SeenMessage& seen : window.Seen()) {
      if (seen.message == WM_KEYDOWN && seen.wParam != VK_SHIFT) keys.push_back(seen.wParam);
      if (seen.message == WM_CHAR) typed.push_back(seen.wParam);
    }
    EXPECT_EQ(keys, std::vector<WPARAM>{c.key});
    EXPECT_EQ(typed, c.typed);
    EXPECT_EQ(GetKeyState(int(c.key)) & 0x8000, 0) << "the release matched the press";
  }
  session->UnmapKey(umlaut);
  session->UnmapKey(euro);
}

// The cursor a window sets in WM_SETCURSOR is the one the server shows over
// it: the X font cursor for that shape.
TEST_F(X11Display, TheCursorAWindowSetsIsShownOverIt) {
  std::uintptr_t wanted = IDC_ARROW;
  TestWindow window({.rect = {100, 100, 300, 300},
                     .handler = [&, paint = Paint(RGB(0, 0, 255))](HWND hwnd, UINT message, WPARAM w,
                                                                   LPARAM l) -> std::optional<LRESULT> {
                       if (message != WM_SETCURSOR) return paint(hwnd, message, w, l);
                       SetCursor(LoadCursor(nullptr, wanted));
                       return TRUE;
                     }});
  session->Settle();
  if (session->ShownCursor().empty()) GTEST_SKIP() << "the X server does not tell its cursor (XFIXES)";
  struct Case {
    std::uintptr_t cursor;
    unsigned glyph;
  };
  const Case cases[] = {
      {IDC_SIZEWE, XC_sb_h_double_arrow}, {IDC_ARROW, XC_left_ptr},          {IDC_SIZENS, XC_sb_v_double_arrow},
      {IDC_SIZENWSE, XC_bottom_right_corner}, {IDC_SIZENESW, XC_bottom_left_corner}, {IDC_SIZEALL, XC_fleur},
      {IDC_HAND, XC_hand2},
  };
  std::vector<unsigned long> before = session->FontCursor(XC_left_ptr, {600, 600});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "IDC " << c.cursor);
    const std::vector<unsigned long> expected = session->FontCursor(c.glyph, {600, 600});
    ASSERT_NE(expected, before) << "each case changes the cursor";
    wanted = c.cursor;
    session->MovePointer(200, 200);
    session->Settle();
    EXPECT_EQ(session->ShownCursor(), expected);
    before = expected;
  }
}

TEST_F(X11Display, TheMoveLoopDragsAWindowByItsCaption) {
  TestWindow window({.rect = {100, 100, 300, 200},
                     .handler = [paint = Paint(RGB(255, 0, 0))](HWND hwnd, UINT message, WPARAM w,
                                                                 LPARAM l) -> std::optional<LRESULT> {
                       if (message == WM_NCHITTEST) return HTCAPTION;
                       return paint(hwnd, message, w, l);
                     }});
  const std::uint32_t desktop = session->Pixel(700, 700);
  ASSERT_EQ(session->Pixel(110, 110), kRed);

  // The whole drag is queued before the loop runs: the move loop is modal
  // and returns only with the button's release.
  session->MovePointer(110, 110);
  session->Button(1, true);
  for (int step = 1; step <= 6; ++step) session->MovePointer(110 + 10 * step, 110 + 5 * step);
  session->Button(1, false);
  session->Settle();

  RECT rect{};
  GetWindowRect(window.Handle(), &rect);
  EXPECT_EQ(rect.left, 160);
  EXPECT_EQ(rect.top, 130);
  EXPECT_EQ(session->Pixel(165, 135), kRed) << "the window is where the core put it";
  EXPECT_EQ(session->Pixel(110, 110), desktop) << "and no longer where it was";
}

TEST_F(X11Display, WorkAreaComesFromTheRootWindowOrIsTheWholeScreen) {
  const SIZE screen = session->Backend().ScreenSize();
  struct Case {
    const char* what;
    std::optional<RECT> property;
    RECT expected;
  };
  const Case cases[] = {
      {"panel at the bottom", RECT{0, 0, screen.cx, screen.cy - 40}, RECT{0, 0, screen.cx, screen.cy - 40}},
      {"reaching past the screen", RECT{10, 0, screen.cx + 50, screen.cy}, RECT{10, 0, screen.cx, screen.cy}},
      {"no window manager", std::nullopt, RECT{0, 0, screen.cx, screen.cy}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session->SetWorkArea(c.property);
    const RECT area = session->Backend().WorkArea();
    EXPECT_EQ(area.left, c.expected.left);
    EXPECT_EQ(area.top, c.expected.top);
    EXPECT_EQ(area.right, c.expected.right);
    EXPECT_EQ(area.bottom, c.expected.bottom);
  }
}

TEST(X11Keys, KeysymsBecomeTheVirtualKeysTheProductUses) {
  struct Case {
    KeySym keysym;
    int key;
  };
  const Case cases[] = {
      {XK_Return, VK_RETURN}, {XK_KP_Enter, VK_RETURN}, {XK_Escape, VK_ESCAPE}, {XK_space, VK_SPACE},
      {XK_Tab, VK_TAB},       {XK_ISO_Left_Tab, VK_TAB}, {XK_Left, VK_LEFT},    {XK_Down, VK_DOWN},
      {XK_F4, VK_F4},         {XK_Alt_L, VK_MENU},       {XK_Alt_R, VK_MENU},   {XK_Shift_R, VK_SHIFT},
      {XK_Control_L, VK_CONTROL}, {XK_a, 'A'},           {XK_Z, 'Z'},           {XK_0, '0'},
      {XK_9, '9'},            {XK_adiaeresis, 0},        {XK_F1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(VirtualKeyOf(c.keysym), c.key) << XKeysymToString(c.keysym);
}

TEST(X11Shape, OpaqueRunsMergeEqualRowsAndSkipTransparentPixels) {
  // 4 × 3: rows ".##." ".##." "#..#" (# alpha above zero).
  Surface picture(4, 3);
  for (auto [x, y] : {std::pair{1, 0}, {2, 0}, {1, 1}, {2, 1}, {0, 2}, {3, 2}}) picture.At(x, y) = 0x01000000;
  picture.At(1, 2) = 0x00FFFFFF;  // colour without alpha stays out
  const std::vector<RECT> runs = OpaqueRuns(picture);
  ASSERT_EQ(runs.size(), 3u);
  const RECT expected[] = {{1, 0, 3, 2}, {0, 2, 1, 3}, {3, 2, 4, 3}};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].left, expected[i].left) << i;
    EXPECT_EQ(runs[i].top, expected[i].top) << i;
    EXPECT_EQ(runs[i].right, expected[i].right) << i;
    EXPECT_EQ(runs[i].bottom, expected[i].bottom) << i;
  }
}

}  // namespace
}  // namespace qb::test
