#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/SystemMetrics.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TestWindow.h"

namespace qb::test {
namespace {

std::vector<HWND> TopFirst() {
  std::vector<HWND> order;
  for (const ScreenWindow& w : VisibleTopLevelsBottomToTop()) order.insert(order.begin(), w.hwnd);
  return order;
}

TEST(Windows, ZOrderKeepsTheTopmostBandAndOwnedWindowsAbove) {
  TestWindow a({.rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow b({.rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow pinned({.exStyle = WS_EX_TOPMOST, .rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow owned({.rect = {0, 0, 10, 10}, .parent = a.Handle(), .handler = {}});
  const HWND A = a.Handle(), B = b.Handle(), P = pinned.Handle(), O = owned.Handle();
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

  struct Step {
    const char* what;
    HWND window;
    HWND insertAfter;
    std::vector<HWND> expected;
  };
  const Step steps[] = {
      {"A to the top stays below the topmost band, its owned window above it", A, HWND_TOP, {P, O, A, B}},
      {"B to the top", B, HWND_TOP, {P, B, O, A}},
      {"A to the bottom takes its owned window along", A, HWND_BOTTOM, {P, B, O, A}},
      {"B into the topmost band", B, HWND_TOPMOST, {B, P, O, A}},
      {"B out of the band again", B, HWND_NOTOPMOST, {P, B, O, A}},
      {"A placed after B", A, B, {P, B, O, A}},
      {"B to the bottom", B, HWND_BOTTOM, {P, O, A, B}},
  };
  for (const Step& step : steps) {
    SetWindowPos(step.window, step.insertAfter, 0, 0, 0, 0, keep);
    EXPECT_EQ(TopFirst(), step.expected) << step.what;
  }
}

TEST(Windows, ShowingActivatesAndHidingHandsActivationBack) {
  TestWindow owner({.rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow other({.rect = {0, 0, 10, 10}, .handler = {}});
  TestWindow dialog({.style = WS_POPUP, .rect = {0, 0, 10, 10}, .parent = owner.Handle(), .handler = {}});
  SetActiveWindow(other.Handle());
  ShowWindow(dialog.Handle(), SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), dialog.Handle());
  EXPECT_EQ(GetFocus(), dialog.Handle()) << "the default of WM_ACTIVATE gives the focus";
  ShowWindow(dialog.Handle(), SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), owner.Handle()) << "the owner comes back, not the window below";
  EXPECT_EQ(other.SeenOf({WM_ACTIVATE}).size(), 2u);

  TestWindow quiet({.style = WS_POPUP, .rect = {0, 0, 10, 10}, .handler = {}});
  ShowWindow(quiet.Handle(), SW_SHOWNA);
  EXPECT_EQ(GetActiveWindow(), owner.Handle());
  EXPECT_TRUE(IsWindowVisible(quiet.Handle()));
}

TEST(Windows, CaptionAndLongs) {
  TestWindow window({});
  EXPECT_TRUE(SetWindowText(window.Handle(), u"PDF-Datei erzeugt"));
  EXPECT_EQ(GetWindowText(window.Handle()), u"PDF-Datei erzeugt");
  const LONG style = GetWindowLong(window.Handle(), GWL_STYLE);
  EXPECT_EQ(DWORD(style), WS_POPUP | WS_VISIBLE);
  SetWindowLong(window.Handle(), GWL_STYLE, style & LONG(0xFF3FFFFF));
  EXPECT_EQ(DWORD(GetWindowLong(window.Handle(), GWL_STYLE)), WS_POPUP | WS_VISIBLE)
      << "masking the caption bits keeps the high style bits";
}

TEST(Windows, HeadlessScreenAndWorkAreaFromEnvironment) {
  struct Case {
    const char* screen;
    const char* workArea;
    SIZE expectedScreen;
    RECT expectedWorkArea;
  };
  const Case cases[] = {
      {"", "", {1920, 1080}, {0, 0, 1920, 1040}},
      {"1024x768", "0,30,1024,768", {1024, 768}, {0, 30, 1024, 768}},
      {"800X600", "", {800, 600}, {0, 0, 1920, 1040}},
      {"1024*768", "1,2,3", {1920, 1080}, {0, 0, 1920, 1040}},
      {"0x768", "10,10,5,5", {1920, 1080}, {0, 0, 1920, 1040}},
      {"1024x768x2", "0,0,10,10,", {1920, 1080}, {0, 0, 1920, 1040}},
  };
  for (const Case& c : cases) {
    EnvGuard env;
    env.Set("QUILLBROOK_SCREEN", c.screen);
    env.Set("QUILLBROOK_WORKAREA", c.workArea);
    const auto backend = HeadlessBackend::FromEnvironment();
    EXPECT_EQ(backend->ScreenSize(), c.expectedScreen) << c.screen;
    EXPECT_EQ(backend->WorkArea(), c.expectedWorkArea) << c.workArea;
  }
  RECT workArea;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0));
  EXPECT_EQ(workArea, CurrentBackend().WorkArea());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), CurrentBackend().ScreenSize().cx);
}

}  // namespace
}  // namespace qb::test
