// The blend paths and the stack blur against straightforward references.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "skin/data/StackBlur.h"
#include "skin/data/SurfaceBlend.h"

namespace qb {
namespace {

std::uint32_t Ch(std::uint32_t p, int i) { return (p >> (8 * i)) & 0xFF; }

std::uint32_t ReferenceBlend(std::uint32_t s, std::uint32_t d, TskBlendPath path) {
  const std::uint32_t a = s >> 24;
  if (a == 255) return s;
  if (a == 0) return d;
  std::uint32_t out = 0;
  for (int i = 0; i < 4; ++i) {
    std::uint32_t c;
    if (path == bpMMX) {
      c = (a * Ch(s, i) + (256 - a) * Ch(d, i)) / 256;
    } else {
      c = i == 3 ? 255 : (a * Ch(s, i) + (255 - a) * Ch(d, i)) / 256;
    }
    out |= c << (8 * i);
  }
  return out;
}

TEST(BlendPixel, EdgeValuesOnBothPaths) {
  const struct {
    std::uint32_t s, d;
    TskBlendPath path;
    std::uint32_t expected;
  } cases[] = {
      {0x80FF0000, 0xFF000000, bpMMX, 0xBF7F0000},    // red 127, alpha (128·128 + 128·255) / 256 = 191
      {0x80FF0000, 0xFF000000, bpPlain, 0xFF7F0000},  // red 127, alpha 255
      {0x00123456, 0x80ABCDEF, bpMMX, 0x80ABCDEF},    // transparent keeps the target
      {0x00123456, 0x80ABCDEF, bpPlain, 0x80ABCDEF},
      {0xFF123456, 0x80ABCDEF, bpMMX, 0xFF123456},  // opaque replaces it
      {0xFF123456, 0x80ABCDEF, bpPlain, 0xFF123456},
      {0x01FFFFFF, 0x00000000, bpMMX, 0x00000000},    // 255 / 256 truncates to 0
      {0xFEFFFFFF, 0xFFFFFFFF, bpPlain, 0xFFFEFEFE},  // (254·255 + 255) / 256 = 254
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BlendPixel(c.s, c.d, c.path), c.expected) << std::hex << c.s << " over " << c.d << " path " << c.path;
    EXPECT_EQ(ReferenceBlend(c.s, c.d, c.path), c.expected) << std::hex << c.s << " over " << c.d;
  }
}

TEST(BlendRow, MatchesTheReferenceOnRandomRows) {
  std::mt19937 random(42);
  for (const TskBlendPath path : {bpMMX, bpPlain}) {
    for (const int length : {1, 3, 4, 5, 37, 256}) {
      std::vector<std::uint32_t> source(static_cast<std::size_t>(length)), target(static_cast<std::size_t>(length));
      for (int i = 0; i < length; ++i) {
        std::uint32_t s = random();
        // Runs of clear and opaque pixels as real surfaces have.
        const int kind = int(random() % 4);
        if (kind == 0) s &= 0x00FFFFFF;
        if (kind == 1) s |= 0xFF000000;
        source[std::size_t(i)] = s;
        target[std::size_t(i)] = random();
      }
      std::vector<std::uint32_t> expected(target);
      for (int i = 0; i < length; ++i)
        expected[std::size_t(i)] = ReferenceBlend(source[std::size_t(i)], target[std::size_t(i)], path);
      BlendRow(source.data(), target.data(), length, path);
      for (int i = 0; i < length; ++i) {
        ASSERT_EQ(target[std::size_t(i)], expected[std::size_t(i)])
            << "path " << path << " length " << length << " at " << i;
      }
    }
  }
}

// The kernel applied pixel by pixel, edges repeated, one pass at a time.
std::vector<std::uint32_t> ReferenceStackBlur(std::vector<std::uint32_t> p, int w, int h, int r) {
  const int divisor = (r + 1) * (r + 1);
  auto pass = [&](bool rows) {
    std::vector<std::uint32_t> out(p.size());
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        std::uint32_t result = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
          int sum = 0;
          for (int i = -r; i <= r; ++i) {
            const int sx = rows ? std::clamp(x + i, 0, w - 1) : x;
            const int sy = rows ? y : std::clamp(y + i, 0, h - 1);
            sum += (r + 1 - std::abs(i)) * int(Ch(p[std::size_t(sy * w + sx)], c));
          }
          result |= std::uint32_t(sum / divisor) << (8 * c);
        }
        out[std::size_t(y * w + x)] = result;
      }
    }
    p = out;
  };
  pass(true);
  pass(false);
  return p;
}

TEST(StackBlur, SingleWhitePixelInARow) {
  std::vector<std::uint32_t> row(9, 0xFF000000u);
  row[4] = 0xFFFFFFFFu;
  StackBlur(row.data(), 9, 1, 2);
  const std::uint32_t expected[] = {0, 0, 28, 56, 85, 56, 28, 0, 0};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(row[std::size_t(x)], 0xFF000000u | expected[x] * 0x010101u) << x;
}

TEST(StackBlur, MatchesTheReferenceOnRandomPictures) {
  std::mt19937 random(3);
  const struct { int w, h, r; } cases[] = {{7, 5, 1}, {12, 9, 2}, {30, 4, 3}, {3, 2, 4}, {1, 6, 2}, {9, 4, 40}};
  for (const auto& c : cases) {
    std::vector<std::uint32_t> pixels(std::size_t(c.w * c.h));
    for (auto& p : pixels) p = random();
    const std::vector<std::uint32_t> expected = ReferenceStackBlur(pixels, c.w, c.h, c.r);
    StackBlur(pixels.data(), c.w, c.h, c.r);
    EXPECT_EQ(pixels, expected) << c.w << " x " << c.h << " radius " << c.r;
  }
  std::vector<std::uint32_t> untouched{0x12345678u};
  StackBlur(untouched.data(), 1, 1, 0);
  EXPECT_EQ(untouched[0], 0x12345678u);
}

}  // namespace
}  // namespace qb
