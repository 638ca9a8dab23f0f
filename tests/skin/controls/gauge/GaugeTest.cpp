#include <gtest/gtest.h>

#include "skin/controls/TskSkinGauge.h"
#include "tests/skin/controls/ControlTestSkin.h"

namespace qb {
namespace {

class TProbeGauge : public TskSkinGauge {
 public:
  using TskSkinGauge::DrawSkinLook;
  using TskSkinGauge::TskSkinGauge;
};

RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

void ExpectRect(const RECT& got, const RECT& want, const char* what) {
  EXPECT_EQ(got.left, want.left) << what;
  EXPECT_EQ(got.top, want.top) << what;
  EXPECT_EQ(got.right, want.right) << what;
  EXPECT_EQ(got.bottom, want.bottom) << what;
}

// The notification window's gauge: 194 × 30, stretched, at 52 of 0 … 100.
// The record matches the program's: skinrect 18 × 15, progress area
// 2,2,17,14, a 19 × 11 progress piece, no offsets, tiled.
class WindowGauge : public ::testing::Test {
 protected:
  WindowGauge() {
    gauge.SetUseSkinSize(false);
    gauge.SetBounds(0, 0, 194, 30);
    gauge.SetSkinData(skin.data.get());
    gauge.SetValue(52);
    test::PaintInto(gauge, shown);
  }

  test::ControlSkin skin;
  TProbeGauge gauge{nullptr};
  TBitmap shown;
};

TEST_F(WindowGauge, KeepsItsSizeAndMovesTheProgressArea) {
  EXPECT_EQ(gauge.Width(), 194);
  EXPECT_EQ(gauge.Height(), 30);
  ExpectRect(gauge.NewProgressArea, Rect(2, 2, 193, 14), "progress area");
  ExpectRect(gauge.BarRect(gauge.NewProgressArea, 52), Rect(2, 2, 101, 14), "bar at 52");
}

TEST_F(WindowGauge, BarIsFiveWholeTilesAndAFourPixelTileFromThePiecesLeft) {
  TBitmap composed;
  gauge.DrawSkinLook(composed);
  ASSERT_EQ(composed.Width(), 194);
  ASSERT_EQ(composed.Height(), 15);
  for (int y : {2, 8, 13}) {
    for (int x = 2; x < 101; ++x) {
      const int column = (x - 2) % 19;
      EXPECT_EQ(test::ColourAt(composed, x, y), test::PieceColumn(column)) << x << "," << y;
    }
    EXPECT_EQ(test::ColourAt(composed, 101, y), test::kTrack) << y;
  }
  EXPECT_EQ(test::ColourAt(composed, 1, 5), test::kTrack);
  EXPECT_EQ(test::ColourAt(composed, 2, 1), test::kTrack);
  EXPECT_EQ(test::ColourAt(composed, 2, 14), test::kTrack);
  // The 194 × 15 picture is stretched to 194 × 30: row y shows row y / 2.
  for (int y : {0, 9, 29}) {
    for (int x : {0, 50, 97, 100, 150}) {
      EXPECT_EQ(test::ColourAt(shown, x, y), test::ColourAt(composed, x, y / 2)) << x << "," << y;
    }
  }
}

TEST(GaugeValue, SettersKeepTheValueInsideTheRange) {
  struct Case {
    const char* what;
    void (*change)(TskSkinGauge&);
    int value;
    int minValue;
    int maxValue;
  };
  const Case cases[] = {
      {"value above the maximum", [](TskSkinGauge& g) { g.SetValue(130); }, 100, 0, 100},
      {"value below the minimum", [](TskSkinGauge& g) { g.SetValue(-5); }, 0, 0, 100},
      {"value inside", [](TskSkinGauge& g) { g.SetValue(33); }, 33, 0, 100},
      {"minimum above the value", [](TskSkinGauge& g) { g.SetMinValue(60); }, 60, 60, 100},
      {"maximum below the value", [](TskSkinGauge& g) { g.SetMaxValue(40); }, 40, 0, 40},
      {"minimum below the value", [](TskSkinGauge& g) { g.SetMinValue(10); }, 50, 10, 100},
  };
  for (const Case& c : cases) {
    TskSkinGauge gauge(nullptr);
    c.change(gauge);
    EXPECT_EQ(gauge.Value(), c.value) << c.what;
    EXPECT_EQ(gauge.MinValue(), c.minValue) << c.what;
    EXPECT_EQ(gauge.MaxValue(), c.maxValue) << c.what;
  }
}

TEST(GaugeBar, GrowsWithTheValueAndIsEmptyForAnEmptyRange) {
  TskSkinGauge gauge(nullptr);
  const RECT area{1, 1, 99, 19};
  ExpectRect(gauge.BarRect(area, 50), Rect(1, 1, 50, 19), "half");
  ExpectRect(gauge.BarRect(area, 0), Rect(1, 1, 1, 19), "empty");
  ExpectRect(gauge.BarRect(area, 100), Rect(1, 1, 99, 19), "full");
  gauge.SetVertical(true);
  ExpectRect(gauge.BarRect(area, 50), Rect(1, 10, 99, 19), "vertical half");
  gauge.SetVertical(false);
  gauge.SetMaxValue(0);
  ExpectRect(gauge.BarRect(area, 0), Rect(1, 1, 1, 19), "min = max");
}

TEST(GaugeUnskinned, FramesTheWindowColourAndFillsTheBarUpToItsValue) {
  TskSkinGauge gauge(nullptr);
  ASSERT_EQ(gauge.Width(), 100);
  ASSERT_EQ(gauge.Height(), 20);
  TBitmap shown;
  test::PaintInto(gauge, shown);
  const std::uint32_t shadow = test::SystemColour(clBtnShadow);
  const std::uint32_t window = test::SystemColour(clWindow);
  const std::uint32_t bar = 0xB6BDD2;     // red 182, green 189, blue 210
  struct Case {
    int x;
    int y;
    std::uint32_t colour;
  };
  const Case cases[] = {{0, 0, shadow}, {99, 19, shadow}, {50, 0, shadow}, {1, 1, bar},
                        {49, 18, bar},  {50, 10, window}, {98, 10, window}};
  for (const Case& c : cases) EXPECT_EQ(test::ColourAt(shown, c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST(GaugeSkinned, EmptyBarShowsOnlyTheTrack) {
  test::ControlSkin skin;
  TProbeGauge gauge(nullptr);
  gauge.SetSkinData(skin.data.get());
  gauge.SetValue(0);
  EXPECT_EQ(gauge.Height(), 15);
  TBitmap composed;
  gauge.DrawSkinLook(composed);
  for (int x : {0, 2, 10, 50, 99}) EXPECT_EQ(test::ColourAt(composed, x, 5), test::kTrack) << x;
}

}  // namespace
}  // namespace qb
