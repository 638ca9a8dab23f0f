#include <gtest/gtest.h>

#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/controls/TskLayerManager.h"
#include "tests/skin/controls/button/ButtonForm.h"

namespace qb {
namespace {

using test::ButtonTest;

// The red level the screen shows at `p`.
int ScreenRed(POINT p) { return int(ComposeScreen().At(p.x, p.y) >> 16) & 0xFF; }

// Shows a white glow at (50, 60) and notes the red level the screen shows
// at its top-left pixel, once at the start and once per change, until
// `changes` changes were seen or `wait` passed.
std::vector<int> FadeSeen(TApplication& application, TskLayerManager& layer, BYTE opacity, int changes,
                          std::chrono::milliseconds wait = std::chrono::seconds(5)) {
  TBitmap picture;
  test::MakePicture(picture, 4, 3, [](int, int) { return 0xFFFFFFu; });
  layer.Show(50, 60, opacity, picture, picture);
  std::vector<int> seen{ScreenRed({50, 60})};
  test::RunApplicationUntil(application, [&] {
    const int level = ScreenRed({50, 60});
    if (level != seen.back()) seen.push_back(level);
    return int(seen.size()) > changes;
  }, wait);
  return seen;
}

// White at `opacity` over the desktop's red level, within one level.
void ExpectLevels(const std::vector<int>& seen, const std::vector<int>& opacities, int desktop) {
  ASSERT_EQ(seen.size(), opacities.size());
  for (std::size_t i = 0; i < seen.size(); ++i) {
    const int expected = opacities[i] + (desktop * (255 - opacities[i]) + 127) / 255;
    EXPECT_NEAR(seen[i], expected, 1) << "step " << i << " at opacity " << opacities[i];
  }
}

TEST(GlowLayer, FadesInOnScreenByATenthPerTickAndStopsAtTheTarget) {
  TApplication application;
  TskLayerManager layer(nullptr);
  const int desktop = ScreenRed({50, 60});
  ExpectLevels(FadeSeen(application, layer, 255, 11), {0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255},
               desktop);
  ASSERT_NE(layer.Window(), nullptr);
  RECT rect;
  GetWindowRect(layer.Window(), &rect);
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 60);
  EXPECT_EQ(rect.right - rect.left, 4);
  EXPECT_TRUE(GetWindowLong(layer.Window(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  layer.Hide();
  EXPECT_EQ(layer.Window(), nullptr);
  EXPECT_FALSE(layer.Visible());
  EXPECT_EQ(ScreenRed({50, 60}), desktop);
}

TEST(GlowLayer, TheMasksGreyLevelIsTheGlowsOpacity) {
  TApplication application;
  TskLayerManager layer(nullptr);
  const int desktop = ScreenRed({50, 60});
  TBitmap white, grey;
  test::MakePicture(white, 4, 3, [](int, int) { return 0xFFFFFFu; });
  test::MakePicture(grey, 4, 3, [](int, int) { return 0x808080u; });
  layer.Show(50, 60, 255, grey, white);
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] { return layer.Opacity() == 255; }));
  EXPECT_NEAR(ScreenRed({50, 60}), 128 + (desktop * 127 + 127) / 255, 1) << "white at half opacity";
}

TEST(GlowLayer, OpacityBelowTenStaysInvisible) {
  TApplication application;
  TskLayerManager layer(nullptr);
  const int desktop = ScreenRed({50, 60});
  EXPECT_EQ(FadeSeen(application, layer, 9, 1, std::chrono::milliseconds(250)), (std::vector<int>{desktop}));
  EXPECT_TRUE(layer.Visible());
}

TEST(GlowLayer, ShowingAgainReplacesTheWindowAndStartsInvisible) {
  TApplication application;
  TskLayerManager layer(nullptr);
  const int desktop = ScreenRed({7, 8});
  FadeSeen(application, layer, 255, 3);
  ASSERT_GT(ScreenRed({50, 60}), desktop);
  TBitmap picture;
  test::MakePicture(picture, 2, 2, [](int, int) { return 0xFFFFFFu; });
  layer.Show(7, 8, 255, picture, picture);
  EXPECT_EQ(ScreenRed({7, 8}), desktop);
  EXPECT_EQ(ScreenRed({50, 60}), desktop) << "the old window is gone";
  RECT rect;
  GetWindowRect(layer.Window(), &rect);
  EXPECT_EQ(rect.left, 7);
  EXPECT_EQ(rect.right - rect.left, 2);
}

TEST_F(ButtonTest, GlowFrameFollowsThePointerOnlyForARecordWithAGlowPicture) {
  form->SetFormStyle(fsStayOnTop);
  TskSkinButton* glowing = form->AddButton(u"Glow", u"glowbutton", {10, 10, 18, 18}, skin.data.get());
  TskSkinButton* plain = form->AddButton(u"Plain", u"statebutton", {10, 50, 90, 80}, skin.data.get());
  test::ProcessPending(application);

  MoveTo({213, 213});
  ASSERT_NE(glowing->GlowLayer().Window(), nullptr);
  RECT rect;
  GetWindowRect(glowing->GlowLayer().Window(), &rect);
  EXPECT_EQ(rect.left, 210 - 3);
  EXPECT_EQ(rect.top, 210 - 4);
  EXPECT_EQ(rect.right - rect.left, 64);
  EXPECT_TRUE(glowing->GlowLayer().Topmost);
  MoveTo({400, 300});
  EXPECT_EQ(glowing->GlowLayer().Window(), nullptr);

  MoveTo({240, 265});
  EXPECT_TRUE(plain->MouseIn());
  EXPECT_EQ(plain->GlowLayer().Window(), nullptr);
}

// The glow picture (7 × 5) follows the button's size: for a record
// stretchable in both directions the parts outside the glow offsets (1 left
// and top, 2 right and bottom) keep their pixels and the rest is stretched;
// for one stretchable in width the left and right parts are kept and the
// middle stretched, but only while the button keeps to its record's sizes.
// The button is 12 wider and 4 taller than its piece.
TEST_F(ButtonTest, GlowPictureIsStretchedToTheButtonAroundTheGlowOffsets) {
  struct Probe {
    POINT glow;
    POINT picture;
  };
  struct Case {
    const char16_t* record;
    bool useSkinSize;
    SIZE glow;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {u"glowresize",
       true,
       {19, 9},
       {{{0, 0}, {0, 0}},
        {{18, 0}, {6, 0}},
        {{17, 8}, {5, 4}},
        {{0, 8}, {0, 4}},
        {{18, 7}, {6, 3}},
        {{1, 0}, {1, 0}},
        {{5, 0}, {2, 0}},
        {{16, 0}, {4, 0}},
        {{0, 1}, {0, 1}},
        {{0, 6}, {0, 2}},
        {{1, 1}, {1, 1}},
        {{16, 6}, {4, 2}}}},
      {u"glowwide",
       true,
       {19, 5},
       {{{0, 0}, {0, 0}},
        {{0, 4}, {0, 4}},
        {{17, 2}, {5, 2}},
        {{18, 4}, {6, 4}},
        {{1, 3}, {1, 3}},
        {{5, 2}, {2, 2}},
        {{16, 1}, {4, 1}}}},
      {u"glowwide", false, {0, 0}, {}},
  };
  for (const Case& c : cases) {
    const std::string what(c.record, c.record + std::char_traits<char16_t>::length(c.record));
    TskSkinButton* button = form->AddButton(u"Glowing", c.record, {10, 10, 30, 22}, skin.data.get());
    button->SetUseSkinSize(c.useSkinSize);
    ASSERT_EQ(button->Width(), 20) << what;
    button->ShowGlowFrame();
    if (c.glow.cx == 0) {
      EXPECT_EQ(button->GlowLayer().Window(), nullptr) << what << " stretched to any size";
      delete button;
      continue;
    }
    ASSERT_NE(button->GlowLayer().Window(), nullptr) << what;
    const Surface glow = CaptureWindow(button->GlowLayer().Window());
    EXPECT_EQ(glow.Width(), c.glow.cx) << what;
    EXPECT_EQ(glow.Height(), c.glow.cy) << what;
    for (const Probe& p : c.probes) {
      EXPECT_EQ(glow.At(p.glow.x, p.glow.y) & 0x00FFFFFFu, test::GlowPixel(p.picture.x, p.picture.y))
          << what << " at " << p.glow.x << "," << p.glow.y;
    }
    delete button;
  }
}

}  // namespace
}  // namespace qb
