// The staged program on a real X display of the test's own (an Xvfb per
// scenario), with a stand-in for the desktop's save dialog: how the window
// looks with and without a compositing manager, and where it lands with two
// monitors. The screen behind the windows is grey, so that whatever the
// program draws outside its window shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/text/Utf.h"
#include "tests/app/e2e/PrivateDisplay.h"
#include "tests/app/e2e/Sandbox.h"
#include "tests/support/PngRead.h"
#include "tests/support/TempDir.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kGrey = 0x808080;

struct DesktopRun {
  RunResult run;
  std::optional<Surface> screen;  // once the countdown runs
  RECT window{};                  // from the last "window" event, our coordinates
  SIZE client{};
};

// Converts the sample job on `display`, where the dialog program answers
// with the suggested file at once; takes a screenshot once the window has
// grown, then closes it with `closing`.
DesktopRun RunOn(const PrivateDisplay& display, const std::string& closing) {
  TempDir tools;
  const fs::path zenity = tools.Write("zenity", "#!/bin/sh\necho \"$HOME/Desktop/Brief.pdf\"\n");
  fs::permissions(zenity, fs::perms::owner_all);
  const char* path = std::getenv("PATH");
  SandboxOptions options;
  options.backend = "x11";
  // Without a session bus no portal is asked first.
  options.environment = {"DISPLAY=" + display.Name(), "PATH=" + tools.Path().string() + ":" + (path ? path : ""),
                         "DBUS_SESSION_BUS_ADDRESS="};
  Sandbox box(options);
  box.AddJob("ABCDEFGHIJKLMNOBrief.ps", kSampleJob);
  const fs::path shot = box.Root() / "screen.png";
  DesktopRun result;
  result.run = box.Run("wait visible CloseButton\nsleep 1500\nscreenshot " + Quoted(shot) + "\n" + closing);
  EXPECT_EQ(result.run.First("script-timeout"), nullptr) << ToUtf8(Text(result.run.First("script-timeout"), "step"));
  EXPECT_EQ(result.run.exitCode, 0);
  EXPECT_TRUE(fs::exists(box.Desktop() / "Brief.pdf"));
  result.screen = ReadPng(shot);
  if (const events::Event* window = result.run.Last("window")) {
    const LONG left = LONG(Number(window, "left")), top = LONG(Number(window, "top"));
    result.window = RECT{left, top, left + LONG(Number(window, "width")), top + LONG(Number(window, "height"))};
    result.client = SIZE{LONG(Number(window, "client_width")), LONG(Number(window, "client_height"))};
  }
  return result;
}

// The pixel as 0xRRGGBB; a point off the screen reads as kOffScreen.
constexpr std::uint32_t kOffScreen = 0xFF000000;
std::uint32_t At(const Surface& screen, LONG x, LONG y) {
  if (x < 0 || y < 0 || x >= screen.Width() || y >= screen.Height()) return kOffScreen;
  return screen.At(x, y) & 0xFFFFFFu;
}

class DesktopScenario : public ::testing::Test {
 protected:
  // A fresh display with a grey screen; false when Xvfb cannot start.
  bool Start(SIZE size) {
    display.emplace(size);
    if (display->Usable()) display->SetBackground(kGrey);
    return display->Usable();
  }
  std::optional<PrivateDisplay> display;
};

constexpr char kNoXvfb[] = "Xvfb could not be started";

// Without a compositing manager nobody blends the layered frame's soft
// shadow: the window draws its own skinned frame, and nothing dark lies
// around it. Its own close button ends the tool.
TEST_F(DesktopScenario, WithoutACompositorTheWindowDrawsItsOwnFrame) {
  if (!Start({1920, 1080})) GTEST_SKIP() << kNoXvfb;
  const DesktopRun r = RunOn(*display, "mouse click closebutton\n");
  ASSERT_TRUE(r.screen.has_value());
  EXPECT_EQ(r.window.right - r.window.left, r.client.cx + 6) << "the skin's own border";
  EXPECT_EQ(r.window.bottom - r.window.top, r.client.cy + 29) << "and caption";
  EXPECT_EQ(r.window.bottom, 1080);
  EXPECT_EQ(r.window.right, 1920);
  const LONG middle = (r.window.top + r.window.bottom) / 2;
  for (LONG away : {1, 3, 8, 13}) {
    SCOPED_TRACE(testing::Message() << away << " pixels away");
    EXPECT_EQ(At(*r.screen, r.window.left - away, middle), kGrey) << "left of the window";
    EXPECT_EQ(At(*r.screen, (r.window.left + r.window.right) / 2, r.window.top - away), kGrey) << "above it";
  }
  EXPECT_NE(At(*r.screen, r.window.left + 40, r.window.top + 12), kGrey) << "the caption";
  EXPECT_EQ(r.run.All("quit").size(), 1u);
  EXPECT_EQ(Number(r.run.First("quit"), "code"), 0);
}

// With one the layered frame is the window's frame, as on any desktop that
// blends alpha: the window itself is client area only.
TEST_F(DesktopScenario, WithACompositorTheLayeredFrameSurroundsTheWindow) {
  if (!Start({1920, 1080})) GTEST_SKIP() << kNoXvfb;
  display->PoseAsCompositor();
  const DesktopRun r = RunOn(*display, "mouse click closebutton\n");
  ASSERT_TRUE(r.screen.has_value());
  EXPECT_EQ(r.window.right - r.window.left, r.client.cx);
  EXPECT_EQ(r.window.bottom - r.window.top, r.client.cy);
  EXPECT_NE(At(*r.screen, r.window.left + 40, r.window.top - 16), kGrey) << "the layered caption above the window";
  EXPECT_EQ(r.run.All("quit").size(), 1u);
}

// Two monitors side by side: the window comes up at the bottom right of the
// primary one, whichever side it is on.
TEST_F(DesktopScenario, WithTwoMonitorsTheWindowLandsOnThePrimaryOne) {
  for (const bool primaryLeft : {true, false}) {
    SCOPED_TRACE(primaryLeft ? "primary on the left" : "primary on the right");
    if (!Start({3840, 1080})) GTEST_SKIP() << kNoXvfb;
    display->SetMonitors({{{0, 0, 1920, 1080}, primaryLeft}, {{1920, 0, 3840, 1080}, !primaryLeft}});
    const DesktopRun r = RunOn(*display, "mouse click CloseButton\n");
    ASSERT_TRUE(r.screen.has_value());
    EXPECT_EQ(r.window.right, 1920) << "the primary monitor's right edge, counted from its left";
    EXPECT_EQ(r.window.bottom, 1080);
    const LONG primary = primaryLeft ? 0 : 1920, other = primaryLeft ? 1920 : 0;
    const LONG x = (r.window.left + r.window.right) / 2, y = (r.window.top + r.window.bottom) / 2;
    EXPECT_NE(At(*r.screen, primary + x, y), kGrey) << "on the primary monitor";
    EXPECT_EQ(At(*r.screen, other + x, y), kGrey) << "not on the other";
  }
}

}  // namespace
}  // namespace qb::test
