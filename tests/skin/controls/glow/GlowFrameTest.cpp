#include <gtest/gtest.h>

#include "platform/window/WindowApi.h"
#include "skin/controls/TskLayerManager.h"
#include "tests/skin/controls/button/ButtonForm.h"

namespace qb {
namespace {

using test::ButtonTest;

// The opacities a fade passes through, one per tick, until it stops.
// Waits for `ticks` changes or `wait` at most.
std::vector<int> FadeSteps(TApplication& application, TskLayerManager& layer, BYTE opacity, int ticks,
                           std::chrono::milliseconds wait = std::chrono::seconds(5)) {
  TBitmap picture;
  test::MakePicture(picture, 4, 3, [](int, int) { return 0xFFFFFFu; });
  layer.Show(50, 60, opacity, picture, picture);
  std::vector<int> seen{layer.Opacity()};
  test::RunApplicationUntil(application, [&] {
    if (layer.Opacity() != seen.back()) seen.push_back(layer.Opacity());
    return int(seen.size()) > ticks;
  }, wait);
  return seen;
}

TEST(GlowLayer, FadesInByATenthPerTickAndStopsAtTheTarget) {
  TApplication application;
  TskLayerManager layer(nullptr);
  EXPECT_EQ(FadeSteps(application, layer, 255, 11),
            (std::vector<int>{0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255}));
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
}

TEST(GlowLayer, OpacityBelowTenStaysTransparent) {
  TApplication application;
  TskLayerManager layer(nullptr);
  EXPECT_EQ(FadeSteps(application, layer, 9, 1, std::chrono::milliseconds(250)), (std::vector<int>{0}));
  EXPECT_TRUE(layer.Visible());
}

TEST(GlowLayer, ShowingAgainReplacesTheWindowAndStartsFromZero) {
  TApplication application;
  TskLayerManager layer(nullptr);
  FadeSteps(application, layer, 255, 3);
  ASSERT_GT(layer.Opacity(), 0);
  TBitmap picture;
  test::MakePicture(picture, 2, 2, [](int, int) { return 0u; });
  layer.Show(7, 8, 255, picture, picture);
  EXPECT_EQ(layer.Opacity(), 0);
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

}  // namespace
}  // namespace qb
