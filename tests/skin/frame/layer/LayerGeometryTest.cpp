#include <gtest/gtest.h>

#include "skin/frame/TskFormLayerBorderGeometry.h"
#include "skin/frame/TskFormLayerWindowZone.h"
#include "tests/skin/frame/FrameTestSkin.h"

namespace qb {
namespace {

// The layer frame of our own skin: picture 173 × 133, client 18,46,155,115,
// border 14,14,158,118.
const TskDataSkinLayerFrame& OwnLayerFrame() {
  static const test::OwnSkinData skin(true);
  return skin.data->LayerFrame();
}

SIZE PictureSize(const TskDataSkinLayerFrame& r) { return SIZE{r.ActiveImage->Width(), r.ActiveImage->Height()}; }

void ExpectRect(const RECT& actual, const RECT& expected, const char* name) {
  EXPECT_EQ(actual.left, expected.left) << name;
  EXPECT_EQ(actual.top, expected.top) << name;
  EXPECT_EQ(actual.right, expected.right) << name;
  EXPECT_EQ(actual.bottom, expected.bottom) << name;
}

TEST(LayerGeometry, FourWindowsAroundA200By30Form) {
  const TskDataSkinLayerFrame& r = OwnLayerFrame();
  ASSERT_NE(r.ActiveImage, nullptr);
  const SIZE picture = PictureSize(r);
  ASSERT_EQ(picture.cx, 173);
  ASSERT_EQ(picture.cy, 133);
  const int fl = 500, ft = 300;
  const RECT form{fl, ft, fl + 200, ft + 30};
  const RECT outer = LayerOuterRect(r, picture, form, false);
  ExpectRect(outer, RECT{fl - 18, ft - 46, fl - 18 + 236, ft - 46 + 94}, "outer");
  const LayerWindowRects w = LayerWindowPlaces(r, picture, outer);
  ExpectRect(w.top, RECT{fl - 18, ft - 46, fl - 18 + 236, ft}, "top 236 x 46");
  ExpectRect(w.bottom, RECT{fl - 18, ft + 28, fl - 18 + 236, ft + 48}, "bottom 236 x 20");
  ExpectRect(w.left, RECT{fl - 18, ft, fl, ft + 28}, "left 18 x 28");
  ExpectRect(w.right, RECT{fl + 200, ft, fl + 218, ft + 28}, "right 18 x 28");
}

TEST(LayerGeometry, ShortFramesDropTheSidesAndShortenTheBottom) {
  const TskDataSkinLayerFrame& r = OwnLayerFrame();
  const SIZE picture = PictureSize(r);
  struct Case {
    int outerHeight, bottom, side;
  };
  const Case cases[] = {{94, 20, 28}, {66, 20, 0}, {56, 10, 0}, {40, 0, 0}};
  for (const Case& c : cases) {
    const LayerStripSizes s = LayerStripSizesOf(r, picture, c.outerHeight);
    EXPECT_EQ(s.topHeight, 46) << c.outerHeight;
    EXPECT_EQ(s.bottomHeight, c.bottom) << c.outerHeight;
    EXPECT_EQ(s.sideHeight, c.side) << c.outerHeight;
  }
}

TEST(LayerGeometry, MarginsAndCornerZones) {
  const FrameMargins m = LayerMarginsOf(OwnLayerFrame());
  EXPECT_EQ(m, (FrameMargins{4, 32, 3, 3}));

  TskDataSkinLayerFrame r;
  r.clientrect = RECT{18, 46, 155, 115};
  r.borderrect = RECT{14, 14, 158, 118};
  r.hittestlefttoppoint = POINT{24, 22};
  r.hittestrighttoppoint = POINT{150, 20};
  r.hittestleftbottompoint = POINT{20, 110};
  r.hittestrightbottompoint = POINT{152, 112};
  const LayerCornerZones z = LayerCornerZonesOf(r);
  EXPECT_EQ(z.topLeft.cx, 10);
  EXPECT_EQ(z.topLeft.cy, 8);
  EXPECT_EQ(z.topRight.cx, 8);
  EXPECT_EQ(z.topRight.cy, 6);
  EXPECT_EQ(z.bottomLeft.cx, 6);
  EXPECT_EQ(z.bottomLeft.cy, 8);
  EXPECT_EQ(z.bottomRight.cx, 6);
  EXPECT_EQ(z.bottomRight.cy, 6);

  r.borderrect = RECT{};
  EXPECT_EQ(LayerMarginsOf(r), FrameMargins{});
  EXPECT_EQ(LayerCornerZonesOf(r).topLeft.cx, 0);
}

TEST(LayerGeometry, RolledUpFullBorderFrameUsesTheRolledUpHeight) {
  TskDataSkinLayerFrame r;
  r.clientrect = RECT{18, 46, 155, 115};
  r.fullborder = true;
  r.rollupformheight = 12;
  r.leftoffset = 1;
  r.topoffset = 2;
  r.widthoffset = 3;
  r.heightoffset = 4;
  const RECT form{100, 100, 300, 130};
  ExpectRect(LayerOuterRect(r, SIZE{173, 133}, form, true), RECT{83, 56, 83 + 239, 56 + 76}, "rolled up");
  ExpectRect(LayerOuterRect(r, SIZE{173, 133}, form, false), RECT{83, 56, 83 + 239, 56 + 98}, "offsets");
}

// A resizable frame with corner zones 10 × 8 everywhere, around a form at
// (100, 100) of 200 × 30; the top window lies at (82, 54) 236 × 46, the
// bottom window at (82, 128) 236 × 20.
TEST(LayerGeometry, ZoneOfAPointForEachWindow) {
  TskDataSkinLayerFrame r;
  r.clientrect = RECT{18, 46, 155, 115};
  r.borderrect = RECT{14, 14, 158, 118};
  r.captionrect = RECT{21, 18, 152, 39};
  r.hittestsize = 3;
  r.hittestlefttoppoint = POINT{24, 22};
  r.hittestrighttoppoint = POINT{148, 22};
  r.hittestleftbottompoint = POINT{24, 110};
  r.hittestrightbottompoint = POINT{148, 110};
  const RECT form{100, 100, 300, 130};
  const RECT top{82, 54, 318, 100};
  const RECT bottom{82, 128, 318, 148};
  const RECT left{82, 100, 100, 128};
  const RECT right{300, 100, 318, 128};
  struct Case {
    const char* name;
    TskLayerSide side;
    RECT window;
    POINT cursor;
    TskLayerZone expected;
  };
  // Visible frame: x 96..303, y 68..133.
  const Case cases[] = {
      {"left window on the border", lsLeft, left, {97, 110}, lzLeft},
      {"left window in the shadow", lsLeft, left, {90, 110}, lzNone},
      {"right window on the border", lsRight, right, {302, 110}, lzRight},
      {"right window in the shadow", lsRight, right, {310, 110}, lzNone},
      {"top-left corner", lsTop, top, {97, 69}, lzTopLeft},
      {"top edge", lsTop, top, {200, 69}, lzTop},
      {"top-right corner", lsTop, top, {300, 69}, lzTopRight},
      {"below the top-left corner", lsTop, top, {97, 90}, lzLeft},
      {"below the top-right corner", lsTop, top, {300, 95}, lzRight},
      {"caption", lsTop, top, {200, 80}, lzNone},
      {"above the frame", lsTop, top, {200, 60}, lzNone},
      {"bottom-left corner", lsBottom, bottom, {97, 132}, lzBottomLeft},
      {"bottom edge", lsBottom, bottom, {200, 132}, lzBottom},
      {"bottom-right corner", lsBottom, bottom, {300, 132}, lzBottomRight},
      {"bottom window beside the form's bottom rows", lsBottom, bottom, {98, 129}, lzBottomLeft},
      {"bottom window in the shadow", lsBottom, bottom, {200, 140}, lzNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LayerResizeZoneAt(c.side, c.cursor, c.window, form, r), c.expected) << c.name;
}

}  // namespace
}  // namespace qb
