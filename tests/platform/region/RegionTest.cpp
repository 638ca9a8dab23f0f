#include "platform/region/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace qb {
namespace {

constexpr int kGrid = 24;

// The per-pixel reference: which pixels of a small grid a region holds.
using Bitmap = std::vector<bool>;

Bitmap Pixels(const Region& region) {
  Bitmap bits(kGrid * kGrid);
  for (int y = 0; y < kGrid; ++y)
    for (int x = 0; x < kGrid; ++x) bits[y * kGrid + x] = region.Contains(x, y);
  return bits;
}

Bitmap PixelsOfRects(const std::vector<RECT>& rects) {
  Bitmap bits(kGrid * kGrid);
  for (const RECT& r : rects)
    for (LONG y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, kGrid); ++y)
      for (LONG x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, kGrid); ++x) bits[y * kGrid + x] = true;
  return bits;
}

std::string Describe(const Region& region) {
  std::ostringstream out;
  for (const RECT& r : region.Rects()) out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
  return out.str();
}

// The representation must stay banded, sorted, merged and free of empty
// rectangles, or equality and point tests go wrong.
void ExpectCanonical(const Region& region) {
  const auto& rects = region.Rects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const RECT& r = rects[i];
    ASSERT_LT(r.left, r.right) << Describe(region);
    ASSERT_LT(r.top, r.bottom) << Describe(region);
    if (i == 0) continue;
    const RECT& p = rects[i - 1];
    if (p.top == r.top) {
      ASSERT_EQ(p.bottom, r.bottom) << Describe(region);
      ASSERT_LT(p.right, r.left) << "touching or overlapping spans in a band: " << Describe(region);
    } else {
      ASSERT_LE(p.bottom, r.top) << Describe(region);
    }
  }
}

TEST(Region, AlgebraTable) {
  const RECT a{0, 0, 10, 10};
  struct Case {
    const char* name;
    Region result;
    std::vector<RECT> expected;
  };
  const Region left(a);
  const Case cases[] = {
      {"union of overlapping squares", left.Union(Region(RECT{5, 5, 15, 15})),
       {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
      {"union of touching halves merges", Region(RECT{0, 0, 10, 5}).Union(Region(RECT{0, 5, 10, 10})), {a}},
      {"union side by side merges", Region(RECT{0, 0, 5, 10}).Union(Region(RECT{5, 0, 10, 10})), {a}},
      {"intersection", left.Intersect(Region(RECT{5, 5, 15, 15})), {{5, 5, 10, 10}}},
      {"intersection of disjoint is empty", left.Intersect(Region(RECT{10, 0, 20, 10})), {}},
      {"hole punched", left.Subtract(Region(RECT{3, 3, 6, 6})),
       {{0, 0, 10, 3}, {0, 3, 3, 6}, {6, 3, 10, 6}, {0, 6, 10, 10}}},
      {"subtract everything", left.Subtract(Region(RECT{-1, -1, 11, 11})), {}},
      {"subtract nothing", left.Subtract(Region(RECT{20, 20, 30, 30})), {a}},
      {"empty rectangle is ignored", Region(RECT{5, 5, 5, 9}), {}},
      {"inverted rectangle is ignored", Region(RECT{9, 9, 1, 1}), {}},
      {"union with empty", left.Union(Region()), {a}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, Region::FromRects(c.expected)) << c.name << ": " << Describe(c.result);
    EXPECT_EQ(c.result.Rects(), c.expected) << c.name << ": " << Describe(c.result);
  }
}

TEST(Region, BoundsOffsetAndPointTest) {
  Region r = Region(RECT{2, 2, 4, 4}).Union(Region(RECT{8, 6, 12, 9}));
  EXPECT_EQ(r.Bounds(), (RECT{2, 2, 12, 9}));
  EXPECT_EQ(Region().Bounds(), RECT{});
  r.Offset(-2, 10);
  EXPECT_EQ(r.Bounds(), (RECT{0, 12, 10, 19}));
  struct Probe {
    LONG x, y;
    bool inside;
  };
  const Probe probes[] = {{0, 12, true}, {1, 13, true}, {2, 12, false}, {1, 14, false},
                          {6, 16, true}, {9, 18, true}, {10, 18, false}, {6, 19, false}, {5, 15, false}};
  for (const Probe& p : probes) EXPECT_EQ(r.Contains(p.x, p.y), p.inside) << p.x << "," << p.y;
}

TEST(Region, EqualPixelSetsCompareEqualHoweverTheyWereBuilt) {
  const Region oneRect(RECT{0, 0, 6, 6});
  const RECT strips[] = {{0, 0, 6, 1}, {0, 1, 6, 2}, {0, 2, 6, 3}, {0, 3, 6, 4}, {0, 4, 6, 5}, {0, 5, 6, 6}};
  const RECT columns[] = {{0, 0, 3, 6}, {3, 0, 6, 6}};
  EXPECT_EQ(Region::FromRects(strips), oneRect);
  EXPECT_EQ(Region::FromRects(columns), oneRect);
  EXPECT_EQ(Region(RECT{0, 0, 8, 8}).Subtract(Region(RECT{6, 0, 8, 8})).Subtract(Region(RECT{0, 6, 6, 8})), oneRect);
}

// Rows of runs in scan order take a one-pass path; rows out of order or
// overlapping runs must give the same pixels as the general path.
TEST(Region, RunsInAnyOrderGiveTheSamePixels) {
  const std::vector<RECT> scanOrder = {{1, 0, 3, 1}, {3, 0, 5, 1}, {7, 0, 9, 1}, {1, 1, 5, 2}, {7, 1, 9, 2}, {2, 3, 4, 4}};
  const std::vector<RECT> shuffled = {{2, 3, 4, 4}, {7, 1, 9, 2}, {1, 0, 3, 1}, {7, 0, 9, 1}, {3, 0, 5, 1}, {1, 1, 5, 2}};
  const std::vector<RECT> overlapping = {{1, 0, 4, 2}, {2, 0, 5, 2}, {7, 0, 9, 2}, {2, 3, 4, 4}};
  const std::vector<RECT> expected = {{1, 0, 5, 2}, {7, 0, 9, 2}, {2, 3, 4, 4}};
  for (const auto* rects : {&scanOrder, &shuffled, &overlapping}) {
    const Region r = Region::FromRects(*rects);
    EXPECT_EQ(r.Rects(), expected) << Describe(r);
  }
}

// Each operation is compared with the same operation done pixel by pixel on
// random rectangle soups, and every result must stay canonical.
TEST(Region, RandomOperationsMatchPerPixelReference) {
  std::mt19937 random(20261210);
  auto randomRects = [&](int count) {
    std::uniform_int_distribution<LONG> coord(-2, kGrid + 2);
    std::vector<RECT> rects;
    for (int i = 0; i < count; ++i) rects.push_back({coord(random), coord(random), coord(random), coord(random)});
    return rects;
  };
  for (int round = 0; round < 300; ++round) {
    const std::vector<RECT> rectsA = randomRects(1 + round % 7);
    const std::vector<RECT> rectsB = randomRects(1 + round % 5);
    const Region a = Region::FromRects(rectsA);
    const Region b = Region::FromRects(rectsB);
    const Bitmap bitsA = PixelsOfRects(rectsA);
    const Bitmap bitsB = PixelsOfRects(rectsB);
    ASSERT_EQ(Pixels(a), bitsA) << Describe(a);
    ExpectCanonical(a);

    const Region unite = a.Union(b);
    const Region meet = a.Intersect(b);
    const Region minus = a.Subtract(b);
    Bitmap expectUnion(bitsA.size()), expectMeet(bitsA.size()), expectMinus(bitsA.size());
    for (std::size_t i = 0; i < bitsA.size(); ++i) {
      expectUnion[i] = bitsA[i] || bitsB[i];
      expectMeet[i] = bitsA[i] && bitsB[i];
      expectMinus[i] = bitsA[i] && !bitsB[i];
    }
    ASSERT_EQ(Pixels(unite), expectUnion) << "round " << round;
    ASSERT_EQ(Pixels(meet), expectMeet) << "round " << round;
    ASSERT_EQ(Pixels(minus), expectMinus) << "round " << round;
    ExpectCanonical(unite);
    ExpectCanonical(meet);
    ExpectCanonical(minus);
    EXPECT_EQ(unite, b.Union(a));
    EXPECT_EQ(meet.Union(minus), a) << "round " << round;
  }
}

}  // namespace
}  // namespace qb
