#include <gtest/gtest.h>

#include "platform/window/Messages.h"
#include "skin/data/PictureCopy.h"
#include "skin/frame/FrameHitTest.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"

namespace qb {
namespace {

struct Probe {
  POINT p;
  LRESULT code;
};

void ExpectCodes(const std::vector<Probe>& probes, const std::function<LRESULT(POINT)>& hitTest) {
  for (const Probe& probe : probes)
    EXPECT_EQ(hitTest(probe.p), probe.code) << "at " << probe.p.x << "," << probe.p.y;
}

// The program's skin at 400 × 300: hit-test points (7,6), (394,8), (5,295),
// (395,296); client (3,26,397,297); border width 3. The caption area is
// given by hand.
class OwnSkinHitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::OwnSkinData skin;
    info = skin.data->FormInfo();
    geometry = ComputeFrameGeometry(info, 285, 210, 400, 300);
  }
  LRESULT At(POINT p) const { return SkinHitTest(geometry, state, captions, nullptr, p); }

  static inline TskSkinFormInfo info;
  static inline FrameGeometry geometry;
  FrameHitState state{.Resizable = true, .BorderWidth = 3};
  std::vector<RECT> captions{{5, 4, 380, 20}};
};

TEST_F(OwnSkinHitTest, ResizableFrameWithoutMask) {
  ASSERT_EQ(info.borderwidth, 3);
  ExpectCodes({{{1, 1}, HTTOPLEFT},       {{398, 1}, HTTOPRIGHT},  {{1, 298}, HTBOTTOMLEFT},
               {{398, 298}, HTBOTTOMRIGHT}, {{200, 1}, HTTOP},      {{200, 298}, HTBOTTOM},
               {{1, 150}, HTLEFT},         {{398, 150}, HTRIGHT},   {{200, 10}, HTCAPTION},
               {{200, 150}, HTCLIENT},     {{396, 150}, HTCLIENT},  {{397, 150}, HTRIGHT},
               {{390, 22}, HTOBJECT},      {{2, 5}, HTTOPLEFT},      {{7, 2}, HTTOPLEFT},     {{8, 2}, HTTOP},
               {{7, 5}, HTCAPTION},
               // Each corner includes its hit-test point and ends one pixel beyond it.
               {{1, 6}, HTTOPLEFT},        {{1, 7}, HTLEFT},         {{394, 1}, HTTOPRIGHT},  {{393, 1}, HTTOP},
               {{398, 8}, HTTOPRIGHT},     {{398, 9}, HTRIGHT},      {{1, 295}, HTBOTTOMLEFT}, {{1, 294}, HTLEFT},
               {{5, 298}, HTBOTTOMLEFT},   {{6, 298}, HTBOTTOM},     {{395, 298}, HTBOTTOMRIGHT},
               {{394, 298}, HTBOTTOM},     {{398, 296}, HTBOTTOMRIGHT}, {{398, 295}, HTRIGHT},
               // The bottom band starts at the client's bottom edge.
               {{200, 297}, HTBOTTOM},     {{200, 296}, HTCLIENT}},
              [this](POINT p) { return At(p); });
}

TEST_F(OwnSkinHitTest, StatesThatTurnTheResizeCodesOff) {
  struct Case {
    const char* what;
    FrameHitState state;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"not resizable",
       {.BorderWidth = 3},
       {{{1, 1}, HTOBJECT}, {{200, 10}, HTCAPTION}, {{200, 150}, HTCLIENT}}},
      {"border width 0", {.Resizable = true}, {{{0, 0}, HTOBJECT}, {{399, 299}, HTOBJECT}, {{3, 26}, HTCLIENT}}},
      {"object hot",
       {.Resizable = true, .ObjectHot = true, .BorderWidth = 3},
       {{{1, 1}, HTOBJECT}, {{200, 10}, HTCAPTION}, {{200, 150}, HTCLIENT}}},
      {"object hot inside the move loop", {.Resizable = true, .InSizeMove = true, .ObjectHot = true, .BorderWidth = 3},
       {{{1, 1}, HTTOPLEFT}}},
      {"rolled up",
       {.RolledUp = true, .Resizable = true, .BorderWidth = 3},
       {{{200, 150}, HTOBJECT}, {{200, 10}, HTCAPTION}, {{1, 1}, HTOBJECT}}},
      {"maximized", {.Maximized = true, .Resizable = true, .BorderWidth = 3}, {{{1, 1}, HTOBJECT}, {{200, 150}, HTCLIENT}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectCodes(c.probes, [&](POINT p) { return SkinHitTest(geometry, c.state, captions, nullptr, p); });
  }
}

// A 10 × 10 window whose mask rectangle is (2,2,8,8); the mask strips are
// black except one notch at (4, 0) of the top strip.
class MaskHitTest : public ::testing::Test {
 protected:
  MaskHitTest() {
    info.lefttoppoint = {2, 2};
    info.righttoppoint = {7, 2};
    info.leftbottompoint = {2, 7};
    info.rightbottompoint = {7, 7};
    info.hittestlefttoppoint = {2, 2};
    info.hittestrighttoppoint = {7, 2};
    info.hittestleftbottompoint = {2, 7};
    info.hittestrightbottompoint = {7, 7};
    info.clientrect = {2, 2, 8, 8};
    info.maskrectarea = {2, 2, 8, 8};
    geometry = ComputeFrameGeometry(info, 10, 10, 10, 10);
    Black(strips.top, 10, 2);
    Black(strips.bottom, 10, 2);
    Black(strips.left, 2, 6);
    Black(strips.right, 2, 6);
    BYTE* notch = ResizeBgr24(strips.top, 10, 2).Row(0) + 4 * 3;
    notch[0] = notch[1] = notch[2] = 255;
  }
  static void Black(TBitmap& strip, int width, int height) { ResizeBgr24(strip, width, height); }

  TskSkinFormInfo info;
  FrameGeometry geometry;
  FrameStrips strips;
  FrameHitState state{.Resizable = true, .BorderWidth = 1};
};

TEST_F(MaskHitTest, ProbesFollowTheMaskInsteadOfTheWindowRectangle) {
  EXPECT_EQ(SkinHitTest(geometry, state, {}, &strips, {4, 1}), HTTOP) << "a probe hits the notch";
  EXPECT_EQ(SkinHitTest(geometry, state, {}, nullptr, {4, 1}), HTOBJECT) << "without mask the window is solid";
  EXPECT_EQ(SkinHitTest(geometry, state, {}, &strips, {1, 5}), HTOBJECT);
  EXPECT_EQ(SkinHitTest(geometry, state, {}, &strips, {0, 5}), HTLEFT);
  EXPECT_EQ(SkinHitTest(geometry, state, {}, &strips, {5, 5}), HTCLIENT);
}

TEST_F(MaskHitTest, MaskTestReadsTheStripOfEachSide) {
  struct Case {
    POINT p;
    bool inside;
  };
  for (const Case& c : {Case{{4, 0}, false}, Case{{3, 0}, true}, Case{{0, 4}, true}, Case{{9, 4}, true},
                        Case{{5, 9}, true}, Case{{10, 4}, false}, Case{{5, 10}, false}, Case{{5, 5}, true}}) {
    EXPECT_EQ(MaskContains(geometry, strips, c.p), c.inside) << c.p.x << "," << c.p.y;
  }
}

TEST(DefaultHitTest, UnskinnedFrameOf200By100) {
  const RECT caption{3, 3, 180, 19};
  const FrameHitState resizable{.Resizable = true};
  ExpectCodes({{{0, 0}, HTTOPLEFT},       {{198, 1}, HTTOPRIGHT}, {{1, 99}, HTBOTTOMLEFT}, {{199, 99}, HTBOTTOMRIGHT},
               {{2, 2}, HTTOPLEFT},       {{198, 98}, HTBOTTOMRIGHT}, {{2, 98}, HTBOTTOMLEFT}, {{2, 97}, HTLEFT},
               {{196, 96}, HTCLIENT},   {{197, 96}, HTOBJECT},
               {{1, 50}, HTLEFT},         {{100, 1}, HTTOP},      {{198, 50}, HTRIGHT},    {{100, 98}, HTBOTTOM},
               {{100, 10}, HTCAPTION},    {{100, 50}, HTCLIENT},  {{190, 10}, HTOBJECT},   {{3, 21}, HTOBJECT}},
              [&](POINT p) { return DefaultHitTest(200, 100, resizable, caption, 19, p); });
  const FrameHitState hot{.Resizable = true, .ObjectHot = true};
  const FrameHitState fixed{};
  ExpectCodes({{{1, 50}, HTOBJECT}, {{100, 10}, HTOBJECT}, {{100, 50}, HTOBJECT}},
              [&](POINT p) { return DefaultHitTest(200, 100, hot, caption, 19, p); });
  ExpectCodes({{{1, 50}, HTOBJECT}, {{0, 0}, HTOBJECT}, {{100, 50}, HTCLIENT}},
              [&](POINT p) { return DefaultHitTest(200, 100, fixed, caption, 19, p); });
}

}  // namespace
}  // namespace qb
