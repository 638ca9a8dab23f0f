#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/BmpFile.h"
#include "skin/data/MaskRegion.h"
#include "tests/support/TestPictures.h"

namespace qb {
namespace {

using test::MakePicture;

constexpr std::uint32_t B = 0x000000;
constexpr std::uint32_t W = 0xFFFFFF;

struct RegionData {
  RGNDATAHEADER header;
  std::vector<RECT> rects;
};

RegionData Parse(const std::vector<BYTE>& data) {
  RegionData parsed;
  EXPECT_GE(data.size(), sizeof(RGNDATAHEADER));
  if (data.size() < sizeof(RGNDATAHEADER)) return parsed;
  std::memcpy(&parsed.header, data.data(), sizeof parsed.header);
  parsed.rects.resize((data.size() - sizeof parsed.header) / sizeof(RECT));
  if (!parsed.rects.empty()) std::memcpy(parsed.rects.data(), data.data() + sizeof parsed.header, data.size() - 32);
  return parsed;
}

// The same one-row mask stored in several bit depths.
void MakeMask(TBitmap& mask, int bitsPerPixel, const std::vector<std::uint32_t>& row) {
  Dib dib;
  dib.width = int(row.size());
  dib.height = 1;
  dib.bitsPerPixel = bitsPerPixel;
  dib.bits.assign(std::size_t(dib.Stride()), 0);
  if (bitsPerPixel <= 8) {
    dib.palette = {RGBQUAD{255, 255, 255, 0}, RGBQUAD{0, 0, 0, 0}};  // index 1 is black
    dib.palette.resize(std::size_t(1) << bitsPerPixel);
  }
  for (std::size_t x = 0; x < row.size(); ++x) {
    const bool black = row[x] == B;
    switch (bitsPerPixel) {
      case 1: dib.bits[x / 8] |= BYTE(black ? 0x80 >> (x % 8) : 0); break;
      case 8: dib.bits[x] = black ? 1 : 0; break;
      case 24: std::memset(&dib.bits[3 * x], black ? 0 : 255, 3); break;
      case 32: std::memset(&dib.bits[4 * x], black ? 0 : 255, 3); break;
    }
  }
  mask.LoadFromStream(WriteBmp(dib));
}

TEST(MaskToRegionData, RunsOfBlackBecomeRectanglesAtTheOffset) {
  for (const int bits : {1, 8, 24, 32}) {
    TBitmap mask;
    MakeMask(mask, bits, {B, B, W, B});
    const std::vector<BYTE> data = MaskToRegionData(mask, 10, 20);
    ASSERT_EQ(data.size(), 32u + 2 * 16u) << bits << " bits";
    const RegionData parsed = Parse(data);
    EXPECT_EQ(parsed.header.dwSize, 32u);
    EXPECT_EQ(parsed.header.iType, 1u);
    EXPECT_EQ(parsed.header.nCount, 2u);
    EXPECT_EQ(parsed.header.nRgnSize, 0u);
    EXPECT_EQ(parsed.header.rcBound, (RECT{10, 20, 14, 21}));
    EXPECT_EQ(parsed.rects, (std::vector<RECT>{{10, 20, 12, 21}, {13, 20, 14, 21}})) << bits << " bits";
  }
}

TEST(MaskToRegionData, OnlyExactBlackCountsAndEmptyMasksGiveNothing) {
  TBitmap mask;
  MakePicture(mask, {{0x000001, B, 0x010000}, {B, 0x000100, B}});
  EXPECT_EQ(Parse(MaskToRegionData(mask, 0, 0)).rects, (std::vector<RECT>{{1, 0, 2, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}}));
  TBitmap empty;
  EXPECT_TRUE(MaskToRegionData(empty, 0, 0).empty());
  EXPECT_FALSE(RegionFromMask(empty));
}

TEST(MaskToRegionData, KeepsEveryRunOfLargeMasks) {
  // 10,001 runs: more than a fixed 10,000 would hold.
  TBitmap mask;
  MakePicture(mask, 20001, 1, [](int x, int) { return x % 2 == 0 ? B : W; });
  const RegionData parsed = Parse(MaskToRegionData(mask, 0, 0));
  EXPECT_EQ(parsed.header.nCount, 10001u);
  ASSERT_EQ(parsed.rects.size(), 10001u);
  EXPECT_EQ(parsed.rects.back(), (RECT{20000, 0, 20001, 1}));
}

TEST(RegionFromMask, WholeMaskAtOneToOne) {
  TBitmap mask;
  MakePicture(mask, {{W, B, B}, {B, B, B}});
  const GdiHandle<HRGN> region = RegionFromMask(mask);
  ASSERT_TRUE(region);
  const struct {
    int x, y;
    bool inside;
  } cases[] = {{0, 0, false}, {1, 0, true}, {2, 0, true}, {0, 1, true}, {2, 1, true}, {3, 1, false}, {0, 2, false}};
  for (const auto& c : cases) EXPECT_EQ(PtInRegion(region.get(), c.x, c.y) != 0, c.inside) << c.x << ", " << c.y;
}

// A 5 × 5 mask with one cut-off pixel in each corner around a 3 × 3 client.
const std::vector<std::vector<std::uint32_t>> kRounded = {
    {W, B, B, B, W}, {B, B, B, B, B}, {B, B, B, B, B}, {B, B, B, B, B}, {W, B, B, B, W},
};
const PieceCorners kRoundedCorners{{1, 1}, {4, 1}, {1, 4}, {4, 4}, {1, 1, 4, 4}};

TEST(RegionFromMaskForSize, CutsTheCornersOfALargerTarget) {
  TBitmap mask;
  MakePicture(mask, kRounded);
  const PieceCorners moved = MovePieceCorners(kRoundedCorners, 4, 2);  // 9 × 7
  const GdiHandle<HRGN> region = RegionFromMaskForSize(kRoundedCorners, mask, 9, 7, moved);
  ASSERT_TRUE(region);
  for (int y = -1; y <= 7; ++y) {
    for (int x = -1; x <= 9; ++x) {
      const bool corner = (x == 0 || x == 8) && (y == 0 || y == 6);
      const bool inside = x >= 0 && x < 9 && y >= 0 && y < 7 && !corner;
      EXPECT_EQ(PtInRegion(region.get(), x, y) != 0, inside) << x << ", " << y;
    }
  }
}

TEST(RegionFromMaskForSize, NoRegionWhenTheTargetIsTooSmallOrHasNoClient) {
  TBitmap mask;
  MakePicture(mask, kRounded);
  PieceCorners tooNarrow = MovePieceCorners(kRoundedCorners, -4, 0);
  ASSERT_LT(tooNarrow.rightTop.x, tooNarrow.leftTop.x);
  EXPECT_FALSE(RegionFromMaskForSize(kRoundedCorners, mask, 1, 5, tooNarrow));
  PieceCorners noClient = MovePieceCorners(kRoundedCorners, 0, 0);
  noClient.client = {1, 1, 1, 4};
  EXPECT_FALSE(RegionFromMaskForSize(kRoundedCorners, mask, 5, 5, noClient));
}

TEST(ComposeMaskStrips, TopStripTilesBetweenTheMovedPoints) {
  // A 5 × 2 mask whose top row marks its middle pattern: black, white, black.
  TBitmap mask;
  MakePicture(mask, {{W, B, W, B, W}, {B, B, B, B, B}});
  const PieceCorners piece{{1, 1}, {4, 1}, {1, 1}, {4, 1}, {1, 1, 4, 1}};
  FrameStrips strips;
  ComposeMaskStrips(piece, mask, 9, MovePieceCorners(piece, 4, 0), strips);
  ASSERT_EQ(strips.top.Width(), 9);
  ASSERT_EQ(strips.top.Height(), 1);
  const std::vector<std::uint32_t> expected = {W, B, W, B, B, W, B, B, W};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(test::ColourAt(strips.top, x, 0), expected[std::size_t(x)]) << x;
  EXPECT_TRUE(strips.left.Empty());
}

}  // namespace
}  // namespace qb
