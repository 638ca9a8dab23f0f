#include "skin/frame/FramePlacement.h"

#include <gtest/gtest.h>

#include "skin/frame/FrameSizeLimits.h"

namespace qb {
namespace {

TEST(FrameSizeLimits, TheProgramsSkinWithTheFullBorderFrame) {
  // Main picture and form record of our skin; minimum 200 × 10.
  FrameSizeLimits limits;
  limits.Skinned = true;
  limits.PictureWidth = 120;
  limits.PictureHeight = 60;
  limits.ClientRectHeight = 30;
  limits.FormMinWidth = 200;
  limits.FullBorder = true;
  EXPECT_EQ(limits.GetMinWidth(), 200);
  EXPECT_EQ(limits.GetMinHeight(), 10);
  limits.FullBorder = false;
  EXPECT_EQ(limits.GetMinHeight(), 30);
}

TEST(FrameSizeLimits, PropertyAgainstSkinMinimum) {
  struct Case {
    const char* name;
    int minWidth, formMinWidth, pictureWidth;
    bool minimized;
    int expected;
  };
  const Case cases[] = {
      {"MinWidth 300 above formminwidth 200", 300, 200, 120, false, 300},
      {"minimized takes formminwidth", 300, 200, 120, true, 200},
      {"MinWidth 150 wider than the picture", 150, 200, 120, false, 150},
      {"MinWidth 150 below formminwidth and the picture", 150, 200, 250, false, 200},
      {"no formminwidth: picture width", 0, 0, 120, false, 120},
      {"no formminwidth, MinWidth 100 below the picture", 100, 0, 120, false, 120},
  };
  for (const Case& c : cases) {
    FrameSizeLimits limits;
    limits.Skinned = true;
    limits.MinWidth = c.minWidth;
    limits.FormMinWidth = c.formMinWidth;
    limits.PictureWidth = c.pictureWidth;
    limits.Minimized = c.minimized;
    EXPECT_EQ(limits.GetMinWidth(), c.expected) << c.name;
  }
}

TEST(FrameSizeLimits, UnskinnedAndMaximum) {
  FrameSizeLimits limits;
  EXPECT_EQ(limits.GetMinWidth(), 120);
  EXPECT_EQ(limits.GetMinHeight(), 25);
  limits.MinHeight = 40;
  EXPECT_EQ(limits.GetMinHeight(), 40);
  limits.RolledUp = true;
  EXPECT_EQ(limits.GetMinHeight(), 25);
  const RECT work{0, 0, 1920, 1040};
  EXPECT_EQ(limits.GetMaxWidth(work), 1920);
  EXPECT_EQ(limits.GetMaxHeight(work), 1040);
  limits.MaxWidth = 800;
  EXPECT_EQ(limits.GetMaxWidth(work), 800);
}

TEST(FramePlacement, CenterInMonitor) {
  const POINT p = CenterInMonitor(RECT{0, 0, 1920, 1080}, 400, 300);
  EXPECT_EQ(p.x, 760);
  EXPECT_EQ(p.y, 390);
  const POINT q = CenterInMonitor(RECT{1920, 0, 3200, 1024}, 201, 101);
  EXPECT_EQ(q.x, 1920 + 640 - 100);
  EXPECT_EQ(q.y, 512 - 50);
}

TEST(FramePlacement, MaximizedBounds) {
  const RECT screen{0, 0, 1920, 1080};
  const MonitorRects withTaskbar{screen, RECT{0, 0, 1920, 1040}};
  const MonitorRects noTaskbar{screen, screen};
  const FrameMargins margins{4, 32, 3, 3};
  struct Case {
    const char* name;
    MonitorRects rects;
    bool fullScreen, fullBorder;
    RECT expected;
  };
  const Case cases[] = {
      {"work area", withTaskbar, false, false, {0, 0, 1920, 1040}},
      {"full screen", withTaskbar, true, false, {0, 0, 1920, 1080}},
      {"no taskbar leaves a pixel", noTaskbar, false, false, {1, 1, 1919, 1079}},
      {"inside the layered frame", withTaskbar, false, true, {4, 32, 1917, 1037}},
  };
  for (const Case& c : cases) {
    const RECT r = MaximizedBounds(c.rects, screen, c.fullScreen, c.fullBorder, margins);
    EXPECT_EQ(r.left, c.expected.left) << c.name;
    EXPECT_EQ(r.top, c.expected.top) << c.name;
    EXPECT_EQ(r.right, c.expected.right) << c.name;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.name;
  }
}

TEST(FramePlacement, MinimizedPlacesFillRowsUpwards) {
  const RECT work{0, 0, 500, 400};
  const SIZE size{200, 25};
  std::vector<POINT> taken;
  const POINT expected[] = {{0, 375}, {200, 375}, {0, 350}, {200, 350}};
  for (const POINT e : expected) {
    const POINT p = MinimizedPlace(work, size, taken, false, {}, 0);
    EXPECT_EQ(p.x, e.x);
    EXPECT_EQ(p.y, e.y);
    taken.push_back(p);
  }
  const POINT shifted = MinimizedPlace(work, size, {}, true, FrameMargins{4, 32, 3, 3}, 40);
  EXPECT_EQ(shifted.x, 4);
  EXPECT_EQ(shifted.y, 375 - 3 - 30);
}

}  // namespace
}  // namespace qb
