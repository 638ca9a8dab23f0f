#include <gtest/gtest.h>

#include "platform/gdi/Dc.h"
#include "platform/gdi/text/Text.h"
#include "skin/controls/TskSkinGauge.h"
#include "tests/skin/controls/ControlTestSkin.h"
#include "tests/support/PictureDifference.h"

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

// The vertical gauge at 16 × 40 and 50 of 0 … 100: the progress area
// 2,1,14,23 becomes 2,1,14,39 and the bar 2,20,14,39, 19 rows high. The
// 8-row piece is tiled upwards from the bar's bottom; the top tile keeps
// only the piece's last 3 rows.
TEST(GaugeVertical, BarGrowsFromTheBottomInTilesCutAtTheTop) {
  test::ControlSkin skin;
  TProbeGauge gauge(nullptr);
  gauge.SetSkinDataName(u"vgauge");
  gauge.SetBounds(0, 0, 30, 40);
  gauge.SetSkinData(skin.data.get());
  ASSERT_EQ(gauge.Width(), 16) << "the record fixes the width";
  ASSERT_EQ(gauge.Height(), 40);
  TBitmap composed;
  gauge.DrawSkinLook(composed);
  for (int x : {2, 8, 13}) {
    for (int y = 0; y < 40; ++y) {
      const std::uint32_t expected = y >= 20 && y < 39 ? test::PieceRow((y - 20 + 5) % 8) : test::kTrack;
      EXPECT_EQ(test::ColourAt(composed, x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(test::ColourAt(composed, 1, 30), test::kTrack);
  EXPECT_EQ(test::ColourAt(composed, 14, 30), test::kTrack);
}

// The colours of `background` with `text` drawn over it in `font` at
// (x, y), without filling behind the text; upwards with the font turned a
// quarter.
test::PixelRows WithText(const TBitmap& background, const TFont& font, int x, int y,
                                                 const std::u16string& text, bool upwards) {
  TBitmap picture;
  picture.Assign(&background);
  TCanvas& canvas = picture.Canvas();
  canvas.Font().Assign(&font);
  canvas.Brush().SetStyle(bsClear);
  if (!upwards) {
    canvas.TextOut(x, y, text);
    return test::Colours(picture);
  }
  LOGFONT description = canvas.Font().Description();
  description.lfEscapement = 900;
  description.lfOrientation = 900;
  GdiHandle<HFONT> turned(CreateFontIndirect(&description));
  HDC dc = canvas.Handle();
  SelectObject(dc, turned.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(font.Color()));
  TextOut(dc, x, y, reinterpret_cast<const WCHAR*>(text.data()), int(text.size()));
  return test::Colours(picture);
}

// The text is the caption followed by the truncated percentage, centred in
// the gauge (also over a stretched picture) and one pixel higher for an odd
// font height; a vertical gauge writes it upwards. Each gauge is compared with its picture without text
// and the expected text drawn over it at the expected place.
TEST(GaugeText, CaptionAndTruncatedPercentageCentredInTheGaugesFont) {
  test::ControlSkin skin;
  TFont arial;
  arial.SetName(u"Arial");
  arial.SetHeight(14);
  arial.SetColor(255);
  struct Case {
    const char* what;
    const char16_t* record;
    bool skinned;
    bool useSkinFont;
    bool useSkinSize;
    int value, minValue, maxValue;
    bool showText, showPercent;
    std::u16string text;
  };
  const Case cases[] = {
      {"percent", u"gauge", true, true, true, 33, 0, 100, false, true, u"33%"},
      {"percent truncated", u"gauge", true, true, true, 2, 0, 3, false, true, u"66%"},
      {"empty range", u"gauge", true, true, true, 5, 5, 5, false, true, u"0%"},
      {"caption and percent", u"gauge", true, true, true, 33, 0, 100, true, true, u"Stand: 33%"},
      {"caption only", u"gauge", true, true, true, 33, 0, 100, true, false, u"Stand: "},
      {"nothing to show", u"gauge", true, true, true, 33, 0, 100, false, false, u""},
      {"default font, odd height", u"gauge", true, false, true, 33, 0, 100, false, true, u"33%"},
      {"stretched picture", u"gauge", true, true, false, 33, 0, 100, false, true, u"33%"},
      {"unskinned", u"gauge", false, true, true, 33, 0, 100, false, true, u"33%"},
      {"vertical", u"vgauge", true, true, true, 33, 0, 100, false, true, u"33%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TskSkinGauge gauge(nullptr);
    gauge.SetUseSkinSize(c.useSkinSize);
    gauge.SetSkinDataName(c.record);
    gauge.SetBounds(0, 0, 100, 40);
    if (c.skinned) gauge.SetSkinData(skin.data.get());
    gauge.UseSkinFont = c.useSkinFont;
    gauge.SetMinValue(c.minValue);
    gauge.SetMaxValue(c.maxValue);
    gauge.SetValue(c.value);
    gauge.SetProgressText(u"Stand: ");
    TBitmap background;
    test::PaintInto(gauge, background);
    gauge.SetShowProgressText(c.showText);
    gauge.SetShowPercent(c.showPercent);
    TBitmap shown;
    test::PaintInto(gauge, shown);

    TFont font;
    font.Assign(c.useSkinFont && c.skinned ? &arial : &gauge.DefaultFont());
    if (c.skinned) font.SetColor(255);
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(&font);
    const SIZE size = measure.Canvas().TextExtent(c.text);
    const int up = font.Height() % 2 != 0 ? 1 : 0;
    const bool vertical = c.record == std::u16string_view(u"vgauge");
    const int w = gauge.Width();
    const int h = gauge.Height();
    const auto expected =
        c.text.empty() ? test::Colours(background)
        : vertical     ? WithText(background, font, w / 2 - size.cy / 2, size.cx / 2 + h / 2 - up, c.text, true)
                       : WithText(background, font, w / 2 - size.cx / 2, h / 2 - size.cy / 2 - up, c.text, false);
    EXPECT_EQ(test::PictureDifference(test::Colours(shown), expected), "");
    if (!c.text.empty()) {
      EXPECT_NE(test::PictureDifference(test::Colours(shown), test::Colours(background)), "") << "some text shows";
    }
  }
}

}  // namespace
}  // namespace qb
