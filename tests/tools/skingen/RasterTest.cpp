#include <gtest/gtest.h>

#include "tools/skingen/Raster.h"
#include "tools/skingen/RoundRect.h"

namespace qb::skingen {
namespace {

// Grey masks are packed most significant bits first, rows padded to whole
// 32-bit words; each pixel takes the nearest grey level of the palette.
TEST(Raster, GreyMasksPackPixelsIntoPaletteIndices) {
  Raster raster(3, 2, Grey(0));
  raster.Set(1, 0, Grey(255));
  raster.Set(2, 0, Grey(120));
  raster.Set(0, 1, Grey(255));
  struct Case {
    int bits;
    std::vector<BYTE> rows;
  };
  const Case cases[] = {
      {1, {0b0100'0000, 0, 0, 0, 0b1000'0000, 0, 0, 0}},
      {4, {0x0F, 0x70, 0, 0, 0xF0, 0x00, 0, 0}},
      {8, {0, 255, 120, 0, 255, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Dib dib = raster.ToGreyDib(c.bits);
    EXPECT_EQ(dib.bits, c.rows) << c.bits << " bits";
    ASSERT_EQ(dib.palette.size(), std::size_t(1) << c.bits);
    EXPECT_EQ(dib.palette.front(), (RGBQUAD{0, 0, 0, 0}));
    EXPECT_EQ(dib.palette.back(), (RGBQUAD{255, 255, 255, 0}));
  }
}

TEST(Raster, ColourPicturesAreStoredBlueGreenRedWithPaddedRows) {
  Raster raster(1, 2, Rgb{10, 20, 30});
  raster.Set(0, 1, Rgb{200.4f, 0, 255});
  const Dib dib = raster.ToDib24();
  EXPECT_EQ(dib.bits, (std::vector<BYTE>{30, 20, 10, 0, 255, 0, 200, 0}));
}

TEST(Raster, PaintingBlendsEdgesByCoverage) {
  Raster raster(2, 1, Grey(0));
  raster.Paint({0, 0, 2, 1}, [](float x, float) { return Sample{Grey(200), x < 1.5f ? 1.0f : 0.0f}; });
  EXPECT_FLOAT_EQ(raster.At(0, 0).r, 200);
  EXPECT_FLOAT_EQ(raster.At(1, 0).r, 100);
}

TEST(RoundRect, DistanceIsSignedAndFollowsEachCornersRadius) {
  const RoundRect shape{0, 0, 20, 10, 4, 0, 0, 2};
  struct Case {
    float x, y, distance;
  };
  const Case cases[] = {
      {10, 5, -5},                    // centre: the nearer edges are 5 away
      {10, -1, 1},                    // above the top edge
      {0.5f, 5, -0.5f},               // just inside the left edge
      {0, 0, 4 * 1.41421356f - 4},    // the rounded corner cuts (0, 0) off
      {20, 0, 0},                     // a square corner keeps its point
      {21, 11, 3 * 1.41421356f - 2},  // beyond the round bottom-right corner
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(shape.Distance(c.x, c.y), c.distance, 1e-4) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace qb::skingen
