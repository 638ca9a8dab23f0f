#include <gtest/gtest.h>

#include "skin/frame/FrameGeometry.h"
#include "skin/frame/NonClientSize.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"

namespace qb {
namespace {

// The program's skin: picture 285 × 210, corners (9,27) (273,27) (4,205)
// (279,205).
class OwnSkinGeometry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skin = std::make_unique<test::OwnSkinData>(); }
  static void TearDownTestSuite() { skin.reset(); }

  static FrameGeometry For(int width, int height) {
    const TskSkinData& data = *skin->data;
    return ComputeFrameGeometry(data.FormInfo(), data.MainPicture().Width(), data.MainPicture().Height(), width,
                                height);
  }

  static inline std::unique_ptr<test::OwnSkinData> skin;
};

TEST_F(OwnSkinGeometry, ClientRectFollowsTheWindowSize) {
  struct Case {
    int width, height;
    RECT client;
  };
  for (const Case& c : {Case{285, 210, {3, 26, 282, 207}}, Case{400, 300, {3, 26, 397, 297}},
                        Case{200, 100, {3, 26, 197, 97}}}) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    EXPECT_EQ(For(c.width, c.height).NewClientRect, c.client);
  }
}

TEST_F(OwnSkinGeometry, AtThePictureSizeEverythingIsTheSkinsOwn) {
  const TskSkinFormInfo& info = skin->data->FormInfo();
  const FrameGeometry g = For(285, 210);
  EXPECT_EQ(g.NewLeftTopPoint, info.lefttoppoint);
  EXPECT_EQ(g.NewRightTopPoint, info.righttoppoint);
  EXPECT_EQ(g.NewLeftBottomPoint, info.leftbottompoint);
  EXPECT_EQ(g.NewRightBottomPoint, info.rightbottompoint);
  EXPECT_EQ(g.NewCaptionRect, info.captionrect);
  EXPECT_EQ(g.NewMaskRect, info.maskrectarea);
  EXPECT_EQ(g.NewHitTestRightBottom, info.hittestrightbottompoint);
}

TEST_F(OwnSkinGeometry, WindowInsetsAreThreeTwentySixThreeThree) {
  const TskSkinData& data = *skin->data;
  const RECT window{100, 50, 500, 350};
  EXPECT_EQ(FrameClientRect(window, &data.FormInfo(), 285, 210, false, 19), (RECT{103, 76, 497, 347}));
  EXPECT_EQ(FrameClientRect(window, &data.FormInfo(), 285, 210, true, 19), window);
}

TEST(NonClientSize, UnskinnedFrameAndTinyWindows) {
  struct Case {
    RECT window;
    RECT client;
  };
  for (const Case& c : {Case{{0, 0, 100, 80}, {3, 22, 97, 77}}, Case{{10, 10, 14, 20}, {13, 32, 13, 32}}}) {
    SCOPED_TRACE(testing::PrintToString(c.window));
    EXPECT_EQ(FrameClientRect(c.window, nullptr, 0, 0, false, 19), c.client);
  }
}

// A 100 × 80 picture with corner areas LT (0,0,10,20), RT (90,0,100,20),
// LB (0,70,10,80), RB (90,70,100,80), shown at 150 × 100 (dW 50, dH 20).
FrameGeometry SmallGeometry() {
  TskSkinFormInfo info;
  info.lefttoppoint = {10, 20};
  info.righttoppoint = {90, 20};
  info.leftbottompoint = {10, 70};
  info.rightbottompoint = {90, 70};
  info.clientrect = {5, 20, 95, 75};
  info.buttonsrect = {50, 2, 60, 12};
  return ComputeFrameGeometry(info, 100, 80, 150, 100);
}

TEST(MapSkinRect, MovesWithTheCornerAreasItLiesInOrSpans) {
  const FrameGeometry g = SmallGeometry();
  struct Case {
    const char* what;
    RECT in;
    RECT out;
  };
  const Case cases[] = {
      {"inside left-top", {1, 1, 8, 8}, {1, 1, 8, 8}},
      {"inside right-top", {92, 2, 98, 10}, {142, 2, 148, 10}},
      {"inside left-bottom", {2, 72, 8, 78}, {2, 92, 8, 98}},
      {"inside right-bottom", {92, 72, 98, 78}, {142, 92, 148, 98}},
      {"left-top to right-bottom", {2, 2, 95, 75}, {2, 2, 145, 95}},
      {"left-top to right-top", {5, 4, 95, 15}, {5, 4, 145, 15}},
      {"left-bottom to right-bottom", {5, 72, 95, 78}, {5, 92, 145, 98}},
      {"left-top to left-bottom", {2, 4, 8, 75}, {2, 4, 8, 95}},
      {"right-top to right-bottom", {92, 4, 98, 75}, {142, 4, 148, 95}},
      {"in no area", {30, 30, 40, 40}, {30, 30, 40, 40}},
      // The right edge of an area is outside it.
      {"right edge on the area's edge", {1, 1, 10, 8}, {1, 1, 10, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MapSkinRect(g, c.in), c.out);
  }
}

TEST(FrameGeometry, ButtonsRectMovesOnlyWhenItStartsRightOfTheMiddle) {
  EXPECT_EQ(SmallGeometry().NewButtonsRect, (RECT{50, 2, 60, 12})) << "Left = PW div 2 stays";
  TskSkinFormInfo info;
  info.buttonsrect = {51, 2, 60, 12};
  info.captionrect = {5, 2, 95, 18};
  const FrameGeometry g = ComputeFrameGeometry(info, 100, 80, 150, 100);
  EXPECT_EQ(g.NewButtonsRect, (RECT{101, 2, 110, 12}));
  EXPECT_EQ(g.NewCaptionRect, (RECT{5, 2, 145, 18}));
}

}  // namespace
}  // namespace qb
