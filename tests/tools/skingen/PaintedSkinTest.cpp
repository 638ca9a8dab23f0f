#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "tools/skingen/ControlCatalog.h"
#include "tools/skingen/FrameGeometry.h"
#include "tools/skingen/PaintedSkin.h"

namespace qb::skingen {
namespace {

using namespace frame;

class PaintedSkinTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { skin_ = new PaintedSkin(PaintSkin()); }
  static void TearDownTestSuite() {
    delete skin_;
    skin_ = nullptr;
  }
  static const PaintedSkin& Skin() { return *skin_; }

 private:
  static inline PaintedSkin* skin_ = nullptr;
};

long Byte(float v) { return std::lround(v); }

bool SamePixel(Rgb a, Rgb b) { return Byte(a.r) == Byte(b.r) && Byte(a.g) == Byte(b.g) && Byte(a.b) == Byte(b.b); }

// Pieces the engine stretches or repeats must not change along that
// direction, or the composed frame shows bands and seams.
TEST_F(PaintedSkinTest, StretchedAndTiledBandsAreUniformAlongTheirLength) {
  struct Case {
    const char* what;
    const Raster* raster;
    RECT band;
    bool alongRows;  // the band runs left to right, so all its columns must agree
  };
  const PaintedSkin& s = Skin();
  const RECT gauge = controls::kGauge;
  const Case cases[] = {
      {"layer top middle", &s.layer.picture, {kLayerLeftTop.x, 0, kLayerRightTop.x, 46}, true},
      {"layer top middle alpha", &s.layer.alpha, {kLayerLeftTop.x, 0, kLayerRightTop.x, 46}, true},
      {"layer bottom middle", &s.layer.picture, {kLayerLeftBottom.x, 113, kLayerRightBottom.x, kLayerHeight}, true},
      {"layer bottom middle alpha", &s.layer.alpha, {kLayerLeftBottom.x, 113, kLayerRightBottom.x, kLayerHeight}, true},
      {"layer left column", &s.layer.picture, {0, 46, kLayerClient.left, 113}, false},
      {"layer left column alpha", &s.layer.alpha, {0, 46, kLayerClient.left, 113}, false},
      {"layer right column", &s.layer.picture, {kLayerClient.right, 46, kLayerWidth, 113}, false},
      {"layer right column alpha", &s.layer.alpha, {kLayerClient.right, 46, kLayerWidth, 113}, false},
      {"frame top edge", &s.frame.picture, {kMainLeftTop.x, 0, kMainRightTop.x, kMainClient.top}, true},
      {"frame bottom edge", &s.frame.picture, {kMainLeftBottom.x, kMainClient.bottom, kMainRightBottom.x, kMainHeight}, true},
      {"frame left edge", &s.frame.picture, {0, kMainLeftTop.y, kMainClient.left, kMainLeftBottom.y}, false},
      {"frame right edge", &s.frame.picture, {kMainClient.right, kMainRightTop.y, kMainWidth, kMainRightBottom.y}, false},
      {"frame mask top edge", &s.frame.mask, {kMainLeftTop.x, 0, kMainRightTop.x, kMainMaskArea.top}, true},
      {"frame mask left edge", &s.frame.mask, {0, kMainLeftTop.y, kMainMaskArea.left, kMainLeftBottom.y}, false},
      {"gauge track middle", &s.controls.Picture(), {gauge.left + 5, gauge.top, gauge.right - 5, gauge.bottom}, true},
      {"gauge progress piece", &s.controls.Picture(), controls::kGaugeProgress, true},
  };
  for (const Case& c : cases) {
    for (int y = c.band.top; y < c.band.bottom; ++y) {
      for (int x = c.band.left; x < c.band.right; ++x) {
        const Rgb first = c.alongRows ? c.raster->At(c.band.left, y) : c.raster->At(x, c.band.top);
        ASSERT_TRUE(SamePixel(c.raster->At(x, y), first)) << c.what << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(PaintedSkinTest, LayerFrameIsOpaqueInsideAndFadesToNothingOutside) {
  const Raster& alpha = Skin().layer.alpha;
  struct Case {
    int x, y;
    long alpha;
  };
  const Case exact[] = {
      {0, 0, 0}, {kLayerWidth - 1, kLayerHeight - 1, 0}, {0, 80, 0}, {80, 0, 0},  // picture edges
      {30, 20, 255}, {80, 30, 255}, {80, 80, 255}, {16, 80, 255}, {80, 116, 255}, {156, 80, 255},
  };
  for (const Case& c : exact) EXPECT_EQ(Byte(alpha.At(c.x, c.y).r), c.alpha) << c.x << "," << c.y;
  EXPECT_LT(Byte(alpha.At(kLayerBorder.left, kLayerBorder.top).r), 128) << "the top corners are round";
  for (int x = 1; x < kLayerBorder.left; ++x) {
    EXPECT_GE(alpha.At(x, 80).r, alpha.At(x - 1, 80).r) << "the shadow darkens towards the window at " << x;
  }
}

TEST_F(PaintedSkinTest, WindowMaskKeepsTheMaskAreaAndCutsTheTopCorners) {
  const Raster& mask = Skin().frame.mask;
  for (int y = kMainMaskArea.top; y < kMainMaskArea.bottom; ++y) {
    for (int x = kMainMaskArea.left; x < kMainMaskArea.right; ++x) {
      ASSERT_EQ(Byte(mask.At(x, y).r), 0) << x << "," << y;
    }
  }
  EXPECT_EQ(Byte(mask.At(0, 0).r), 255);
  EXPECT_EQ(Byte(mask.At(kMainWidth - 1, 0).r), 255);
  EXPECT_EQ(Byte(mask.At(0, kMainHeight - 1).r), 0);
  EXPECT_EQ(Byte(mask.At(kMainWidth - 1, kMainHeight - 1).r), 0);
}

// The normal close button sits on the caption bar of the layered frame; its
// background must be the bar's own colour there.
TEST_F(PaintedSkinTest, NormalCloseButtonBlendsIntoTheCaptionBar) {
  const RECT look = ButtonLookRect(ButtonRow::kClose, ButtonLook::kNormal);
  for (int row = 0; row < kButtonHeight; ++row) {
    EXPECT_TRUE(SamePixel(Skin().buttons.objects.At(look.left, look.top + row),
                          Skin().layer.picture.At(kLayerWidth / 2, kLayerButtonsTop + row)))
        << "row " << row;
  }
}

std::vector<long> Numbers(const std::string& text) {
  std::vector<long> numbers;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');) numbers.push_back(std::stol(part));
  return numbers;
}

// Offsets inside a piece (client rectangles, areas) are small enough to pass
// the same test.
TEST_F(PaintedSkinTest, EveryControlPieceLiesInsideItsPicture) {
  for (const ControlEntry& entry : Skin().controls.Entries()) {
    const auto& entries = entry.section.Entries();
    const bool inControls = entries.front() == std::pair<std::string, std::string>("pictureindex", "4");
    for (const auto& [key, value] : entries) {
      if (!inControls || key.size() < 4 || key.substr(key.size() - 4) != "rect") continue;
      const std::vector<long> r = Numbers(value);
      ASSERT_EQ(r.size(), 4u) << entry.section.Name() << "." << key;
      if (r[2] <= r[0] || r[3] <= r[1]) continue;
      EXPECT_TRUE(r[0] >= 0 && r[1] >= 0 && r[2] <= ControlSheet::kWidth && r[3] <= ControlSheet::kHeight)
          << entry.section.Name() << "." << key << "=" << value;
    }
  }
}

TEST_F(PaintedSkinTest, DefinitionHasOneSectionPerNameAndTheNinetyThreeSections) {
  std::set<std::string> names;
  int sections = 0;
  std::stringstream in(Skin().definition);
  for (std::string line; std::getline(in, line);) {
    ASSERT_FALSE(line.empty()) << "lines end in CR LF";
    ASSERT_EQ(line.back(), '\r');
    if (line.front() != '[') continue;
    ++sections;
    EXPECT_TRUE(names.insert(line).second) << line << " twice";
  }
  EXPECT_EQ(sections, 93);
  EXPECT_EQ(Skin().definition.rfind("[VERSION]\r\n", 0), 0u);
}

}  // namespace
}  // namespace qb::skingen
