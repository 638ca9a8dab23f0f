#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <set>

#include "skin/data/TskEffectBmp.h"
#include "tests/support/TestPictures.h"

namespace qb {
namespace {

using test::MakePicture;

// A grey picture: every channel of pixel (x, y) is level(x, y).
TskEffectBmp Grey(int width, int height, const std::function<int(int, int)>& level) {
  TBitmap picture;
  MakePicture(picture, width, height, [&](int x, int y) { return std::uint32_t(level(x, y)) * 0x010101u; });
  return TskEffectBmp(picture);
}
TskEffectBmp Flat(int width, int height, int level) {
  return Grey(width, height, [level](int, int) { return level; });
}

// The blue channel of each pixel of row y (all channels are equal in grey
// pictures).
std::vector<int> Row(const TskEffectBmp& e, int y) {
  std::vector<int> row;
  for (int x = 0; x < e.Width(); ++x) row.push_back(e.ScanLine(y)[3 * x]);
  return row;
}
std::vector<int> Column(const TskEffectBmp& e, int x) {
  std::vector<int> column;
  for (int y = 0; y < e.Height(); ++y) column.push_back(e.ScanLine(y)[3 * x]);
  return column;
}

TEST(TskEffectBmp, RowsArePaddedToWholeWords) {
  for (const int width : {1, 2, 3, 4, 5}) {
    EXPECT_EQ(Flat(width, 2, 0).Stride(), std::size_t(3 * width + width % 4)) << width;
  }
}

TEST(MorphDefault, BlendsWithRoundingHalfToEven) {
  const struct {
    int a, b;
    double k;
    int expected;
  } cases[] = {
      {0, 255, 0.5, 128},  // 127.5 rounds to the even 128
      {0, 255, -1, 0},      {0, 255, 2, 255}, {0, 255, std::nan(""), 0}, {2, 3, 0.5, 2},  // 2.5 → 2
      {3, 4, 0.5, 4},                                                                     // 3.5 → 4
      {10, 20, 0.25, 12},                                                                 // 12.5 → 12
      {200, 100, 0.3, 170},
  };
  for (const auto& c : cases) {
    TskEffectBmp a = Flat(3, 2, c.a);
    a.MorphDefault(Flat(3, 2, c.b), c.k);
    EXPECT_EQ(Row(a, 1), std::vector<int>(3, c.expected)) << c.a << " → " << c.b << " at " << c.k;
  }
}

TEST(MorphDefault, MatchesTheFormulaOnRandomPictures) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> level(0, 255);
  TBitmap pa, pb;
  MakePicture(pa, 13, 5, [&](int, int) { return std::uint32_t(random()) & 0xFFFFFFu; });
  MakePicture(pb, 13, 5, [&](int, int) { return std::uint32_t(random()) & 0xFFFFFFu; });
  for (const double k : {0.0, 0.05, 0.1, 0.25, 1.0 / 3, 0.5, 0.7, 0.95, 1.0}) {
    TskEffectBmp a(pa);
    const TskEffectBmp b(pb), start(pa);
    a.MorphDefault(b, k);
    for (int y = 0; y < 5; ++y) {
      for (int i = 0; i < 39; ++i) {
        const double exact = (1 - k) * start.ScanLine(y)[i] + k * b.ScanLine(y)[i];
        ASSERT_EQ(a.ScanLine(y)[i], int(std::nearbyint(std::clamp(exact, 0.0, 255.0))))
            << "k " << k << " from " << int(start.ScanLine(y)[i]) << " to " << int(b.ScanLine(y)[i]);
      }
    }
  }
}

TEST(Transitions, DoNothingBetweenPicturesOfDifferentSizes) {
  for (int kind = mkDefault; kind <= mkPush; ++kind) {
    TskEffectBmp a = Flat(4, 3, 10);
    a.Morph(kind, Flat(4, 4, 200), 0.5);
    a.Morph(kind, Flat(5, 3, 200), 0.5);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(Row(a, y), std::vector<int>(4, 10)) << "kind " << kind;
  }
}

TEST(Transitions, BandsSlidesAndPushPerKind) {
  // A is 0 everywhere, B holds its column index × 10 + 100.
  const auto target = [](int x, int) { return 100 + 10 * x; };
  const struct {
    int kind;
    double k;
    std::vector<int> row;
  } cases[] = {
      {mkGradient, 0.5, {0, 110, 120, 130}},    // square: columns L = 1 … R = 3 from B, column 0 keeps A (t = 1)
      {mkLeftGradient, 0.5, {100, 55, 0, 0}},   // a = 2, t = 0, 0.5, 1
      {mkRightGradient, 0.5, {0, 0, 60, 130}},  // b = 2, t = 0, 0.5
      {mkLeftSlide, 0.0, {130, 0, 0, 0}},       // at least one column
      {mkLeftSlide, 0.5, {120, 130, 0, 0}},    {mkRightSlide, 0.01, {0, 0, 0, 100}},
      {mkRightSlide, 1.0, {0, 100, 110, 120}},  // at most width − 1 columns
      {mkPush, 0.0, {130, 0, 0, 0}},           {mkPush, 0.5, {110, 120, 130, 0}},
      {mkPush, 1.0, {100, 110, 120, 130}},
  };
  for (const auto& c : cases) {
    TskEffectBmp a = Flat(4, 4, 0);
    a.Morph(c.kind, Grey(4, 4, target), c.k);
    EXPECT_EQ(Row(a, 2), c.row) << "kind " << c.kind << " k " << c.k;
  }
}

TEST(Transitions, PushMovesTheStartPicture) {
  TskEffectBmp a = Grey(5, 1, [](int x, int) { return 10 * x; });
  a.MorphPush(Flat(5, 1, 200), 0.2);  // a = 1: shift by two columns
  EXPECT_EQ(Row(a, 0), (std::vector<int>{200, 200, 0, 10, 20}));
}

TEST(Transitions, GradientOfATallPictureOpensRows) {
  // 2 × 5, k = 0.4: a = 2, half = (4 − 2) div 2 = 1, rows L = 1 … R = 3 from
  // B, then t grows by 1 per row outwards.
  TskEffectBmp a = Flat(2, 5, 0);
  a.MorphGradient(Flat(2, 5, 100), 0.4);
  EXPECT_EQ(Column(a, 1), (std::vector<int>{0, 100, 100, 100, 0}));
  // With half 0 the whole picture outside the band becomes B.
  TskEffectBmp b = Flat(2, 4, 0);
  b.MorphGradient(Flat(2, 4, 100), 0.5);
  EXPECT_EQ(Column(b, 0), (std::vector<int>(4, 100)));
}

TEST(Effects, ChannelValues) {
  const struct {
    const char* name;
    std::function<void(TskEffectBmp&)> apply;
    std::uint32_t in;  // 0xRRGGBB
    std::uint32_t out;
  } cases[] = {
      {"grey of green", [](TskEffectBmp& e) { e.EffectGrayscale(); }, 0x00FF00, 0x969696},  // 150
      {"grey of blue", [](TskEffectBmp& e) { e.EffectGrayscale(); }, 0x0000FF, 0x1C1C1C},   // 28
      {"grey of red", [](TskEffectBmp& e) { e.EffectGrayscale(); }, 0xFF0000, 0x4C4C4C},    // 76.5 → 76
      {"grey keeps grey", [](TskEffectBmp& e) { e.EffectGrayscale(); }, 0x7B7B7B, 0x7B7B7B},
      {"brightness of black", [](TskEffectBmp& e) { e.EffectBrightness(0.5); }, 0x000000, 0x808080},
      {"brightness of white", [](TskEffectBmp& e) { e.EffectBrightness(0.5); }, 0xFFFFFF, 0xFFFFFF},
      {"brightness above 1", [](TskEffectBmp& e) { e.EffectBrightness(3); }, 0x102030, 0xFFFFFF},
      {"darkness", [](TskEffectBmp& e) { e.EffectDarkness(0.3); }, 0x646464, 0x464646},  // 100 → 70
      {"darkness below 0", [](TskEffectBmp& e) { e.EffectDarkness(-1); }, 0x646464, 0x646464},
      {"invert", [](TskEffectBmp& e) { e.EffectInvert(); }, 0xC80A00, 0x37F5FF},
      {"inactive grey", [](TskEffectBmp& e) { e.ApplyInactiveEffect(ieGrayscale); }, 0x00FF00, 0x969696},
  };
  for (const auto& c : cases) {
    TBitmap picture;
    MakePicture(picture, 3, 2, [&](int, int) { return c.in; });
    TskEffectBmp e(picture);
    c.apply(e);
    const BYTE* p = e.ScanLine(1) + 3;
    const std::uint32_t got = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
    EXPECT_EQ(got, c.out) << c.name;
  }
}

TEST(Effects, GreyLevelsOfEqualChannelsStay) {
  TskEffectBmp e = Grey(256, 1, [](int x, int) { return x; });
  e.EffectGrayscale();
  for (int v = 0; v < 256; ++v) ASSERT_EQ(Row(e, 0)[std::size_t(v)], v);
}

TEST(Effects, InvertTwiceRestores) {
  TBitmap picture;
  MakePicture(picture, 5, 3, [](int x, int y) { return std::uint32_t(x * 0x3A1F07 + y * 0x0B5C91) & 0xFFFFFF; });
  TskEffectBmp e(picture);
  const TskEffectBmp original(picture);
  e.EffectInvert();
  e.EffectInvert();
  for (int y = 0; y < 3; ++y) EXPECT_EQ(std::memcmp(e.ScanLine(y), original.ScanLine(y), 15), 0);
}

TEST(Effects, NoiseShiftsAllThreeChannelsOfAPixelAlike) {
  TskEffectBmp e = Flat(40, 30, 128);
  e.EffectNoise(50);
  std::set<int> seen;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const BYTE* p = e.ScanLine(y) + 3 * x;
      ASSERT_EQ(p[0], p[1]);
      ASSERT_EQ(p[0], p[2]);
      ASSERT_GE(p[0] - 128, -25);
      ASSERT_LE(p[0] - 128, 24);
      seen.insert(p[0] - 128);
    }
  }
  EXPECT_EQ(seen.size(), 50u);
  TskEffectBmp again = Flat(40, 30, 128);
  again.EffectNoise(50);
  EXPECT_EQ(std::memcmp(again.ScanLine(0), e.ScanLine(0), e.Stride() * 30), 0);
  TskEffectBmp none = Flat(4, 1, 7);
  none.EffectNoise(0);
  EXPECT_EQ(Row(none, 0), std::vector<int>(4, 7));
}

TEST(Effects, SplitBlurReadsProcessedRowsAndClampsAtTheEdges) {
  TskEffectBmp e = Grey(2, 2, [](int x, int y) { return 40 * x + 80 * y; });
  e.EffectSplitBlur(1);
  EXPECT_EQ(Row(e, 0), (std::vector<int>{60, 75}));
  EXPECT_EQ(Row(e, 1), (std::vector<int>{83, 84}));
  TskEffectBmp unchanged = Grey(2, 2, [](int x, int y) { return 40 * x + 80 * y; });
  unchanged.EffectSplitBlur(0);
  EXPECT_EQ(Row(unchanged, 1), (std::vector<int>{80, 120}));
}

}  // namespace
}  // namespace qb
