#include "platform/gdi/Blit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/gdi/PixelOps.h"
#include "tests/platform/gdi/TestCanvas.h"

namespace qb {
namespace {

using test::TestCanvas;
using Pixels = std::vector<std::uint32_t>;

// A 3 × 3 source with distinct pixels; the alpha bytes differ too, to show
// that copies carry them.
constexpr std::uint32_t A = 0x11000001, B = 0x22000002, C = 0x33000003;
constexpr std::uint32_t D = 0x44000004, E = 0x55000005, F = 0x66000006;
constexpr std::uint32_t G = 0x77000007, H = 0x88000008, I = 0x99000009;
constexpr std::uint32_t o = 0;

struct BlitCase {
  const char* name;
  std::function<void(HDC dst, HDC src)> draw;
  Pixels expected;  // 4 × 3 destination, rows top-down
};

void RunBlitCases(const std::vector<BlitCase>& cases) {
  for (const BlitCase& c : cases) {
    TestCanvas src(3, 3);
    src.Load({A, B, C, D, E, F, G, H, I});
    TestCanvas dst(4, 3);
    c.draw(dst.Dc(), src.Dc());
    EXPECT_EQ(dst.Pixels(), c.expected) << c.name;
  }
}

TEST(Blit, BitBltHonoursOriginsClippingAndSourceBounds) {
  RunBlitCases({
      {"plain copy, cut at the destination's right edge",
       [](HDC d, HDC s) { BitBlt(d, 2, 1, 3, 3, s, 0, 0, SRCCOPY); },
       {o, o, o, o,
        o, o, A, B,
        o, o, D, E}},
      {"source part outside the source stays untouched",
       [](HDC d, HDC s) { BitBlt(d, 0, 0, 4, 3, s, 1, 1, SRCCOPY); },
       {E, F, o, o,
        H, I, o, o,
        o, o, o, o}},
      {"window origin of the source, viewport origin of the destination",
       [](HDC d, HDC s) {
         SetWindowOrgEx(s, 1, 1, nullptr);
         SetViewportOrgEx(d, 1, 0, nullptr);
         BitBlt(d, 0, 0, 2, 2, s, 1, 1, SRCCOPY);
       },
       {o, A, B, o,
        o, D, E, o,
        o, o, o, o}},
      {"excluded rectangle and intersected clip",
       [](HDC d, HDC s) {
         IntersectClipRect(d, 0, 0, 3, 3);
         ExcludeClipRect(d, 1, 1, 2, 2);
         BitBlt(d, 0, 0, 4, 3, s, 0, 0, SRCCOPY);
       },
       {A, B, C, o,
        D, o, F, o,
        G, H, I, o}},
      {"clip set before a window origin stays in device coordinates",
       [](HDC d, HDC s) {
         IntersectClipRect(d, 0, 0, 1, 3);
         SetWindowOrgEx(d, -2, 0, nullptr);
         BitBlt(d, -2, 0, 3, 1, s, 0, 0, SRCCOPY);
       },
       {A, o, o, o,
        o, o, o, o,
        o, o, o, o}},
      {"overlapping copy within one surface",
       [](HDC d, HDC s) {
         BitBlt(d, 0, 0, 3, 1, s, 0, 0, SRCCOPY);
         BitBlt(d, 1, 0, 3, 1, d, 0, 0, SRCCOPY);
       },
       {A, A, B, C,
        o, o, o, o,
        o, o, o, o}},
  });
}

TEST(Blit, StretchBltTakesTheNearestPixel) {
  RunBlitCases({
      {"2 × 2 doubled, last row cut by the surface",
       [](HDC d, HDC s) { StretchBlt(d, 0, 0, 4, 4, s, 0, 0, 2, 2, SRCCOPY); },
       {A, A, B, B,
        A, A, B, B,
        D, D, E, E}},
      {"3 columns onto 4: column x shows source x × 3 / 4",
       [](HDC d, HDC s) { StretchBlt(d, 0, 0, 4, 1, s, 0, 0, 3, 1, SRCCOPY); },
       {A, A, B, C,
        o, o, o, o,
        o, o, o, o}},
      {"3 rows onto 1 and 3 columns onto 2",
       [](HDC d, HDC s) { StretchBlt(d, 0, 0, 2, 1, s, 0, 0, 3, 3, SRCCOPY); },
       {A, B, o, o,
        o, o, o, o,
        o, o, o, o}},
      {"negative width mirrors",
       [](HDC d, HDC s) { StretchBlt(d, 3, 0, -3, 1, s, 0, 0, 3, 1, SRCCOPY); },
       {C, B, A, o,
        o, o, o, o,
        o, o, o, o}},
  });
}

TEST(Blit, TransparentBltSkipsTheKeyColourIgnoringAlpha) {
  TestCanvas src(3, 1);
  src.Load({0x00FF0000, 0xFFFF00FF, 0x000000FF});  // red, magenta with alpha, blue
  TestCanvas dst(6, 1, 0x12345678);
  TransparentBlt(dst.Dc(), 0, 0, 6, 1, src.Dc(), 0, 0, 3, 1, RGB(255, 0, 255));
  EXPECT_EQ(dst.Pixels(), (Pixels{0x00FF0000, 0x00FF0000, 0x12345678, 0x12345678, 0x000000FF, 0x000000FF}));
}

TEST(Blit, Div255RoundsExactly) {
  for (std::uint32_t x = 0; x <= 255 * 255; ++x) {
    ASSERT_EQ(Div255(x), std::uint32_t(std::lround(x / 255.0))) << x;
  }
}

// The blends work on two channels at a time; a channel-by-channel reference
// must agree on every kind of input, including premultiplied colours larger
// than their alpha.
TEST(Blit, PairwiseBlendsMatchAChannelByChannelReference) {
  auto channel = [](std::uint32_t p, int i) { return (p >> (8 * i)) & 0xFF; };
  auto reference = [&](auto perChannel) {
    return [=](std::uint32_t s, std::uint32_t d, std::uint32_t a) {
      std::uint32_t out = 0;
      for (int i = 0; i < 4; ++i) out |= std::min<std::uint32_t>(255, perChannel(channel(s, i), channel(d, i), a, s >> 24)) << (8 * i);
      return out;
    };
  };
  const auto over = reference([](std::uint32_t s, std::uint32_t d, std::uint32_t, std::uint32_t sa) {
    return s + std::uint32_t(std::lround(d * (255 - sa) / 255.0));
  });
  const auto mix = reference([](std::uint32_t s, std::uint32_t d, std::uint32_t a, std::uint32_t) {
    return std::uint32_t(std::lround((s * a + d * (255 - a)) / 255.0));
  });
  const auto scale = reference([](std::uint32_t s, std::uint32_t, std::uint32_t a, std::uint32_t) {
    return std::uint32_t(std::lround(s * a / 255.0));
  });
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (int i = 0; i < 100000; ++i) {
    const std::uint32_t s = next(), d = next(), a = next() >> 24;
    ASSERT_EQ(BlendPremultiplied(s, d), over(s, d, a)) << std::hex << s << " over " << d;
    ASSERT_EQ(MixConstant(s, d, a), mix(s, d, a)) << std::hex << s << " mix " << d << " at " << a;
    ASSERT_EQ(ScalePixel(s, a), scale(s, d, a)) << std::hex << s << " scaled by " << a;
  }
}

TEST(Blit, AlphaBlendFormulaTable) {
  struct Case {
    std::uint32_t source;
    std::uint32_t dest;
    BYTE constant;
    BYTE format;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x80400000, 0xFF0000FF, 255, AC_SRC_ALPHA, 0xFF40007F},  // half-covered red over blue
      {0x80400000, 0xFF0000FF, 128, AC_SRC_ALPHA, 0xFF2000BF},  // source first scaled to 0x40200000
      {0x80000000, 0x80808080, 255, AC_SRC_ALPHA, 0xC0404040},  // 128 × 127 / 255 = 63.7 rounds up
      {0x01010101, 0xFFFFFFFF, 255, AC_SRC_ALPHA, 0xFFFFFFFF},
      {0x00000000, 0x12345678, 255, AC_SRC_ALPHA, 0x12345678},  // transparent source
      {0xFF102030, 0x12345678, 255, AC_SRC_ALPHA, 0xFF102030},  // opaque source
      {0xFFFFFFFF, 0x00000000, 51, 0, 0x33333333},              // constant alpha only, alpha channel too
      {0x00FF0000, 0x000000FF, 128, 0, 0x0080007F},
  };
  for (const Case& c : cases) {
    TestCanvas src(1, 1, c.source);
    TestCanvas dst(1, 1, c.dest);
    ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1,
                           BLENDFUNCTION{AC_SRC_OVER, 0, c.constant, c.format}));
    EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << "source " << c.source << " dest " << c.dest << " constant "
                                        << int(c.constant);
  }
}

TEST(Blit, AlphaBlendStretchesAndRefusesSourcesOutsideTheSurface) {
  TestCanvas src(2, 1);
  src.Load({0xFF0000FF, 0x00000000});
  TestCanvas dst(4, 1, 0xFF00FF00);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(dst.Dc(), 0, 0, 4, 1, src.Dc(), 0, 0, 2, 1, blend));
  EXPECT_EQ(dst.Pixels(), (Pixels{0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00}));
  EXPECT_FALSE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 1, 0, 2, 1, blend));
  EXPECT_FALSE(AlphaBlend(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, -1, 1, blend));
}

TEST(Blit, RasterOperationsOnWholePixels) {
  struct Case {
    DWORD rop;
    std::uint32_t expected;
  };
  // Source 0xF0F0F0F0 over destination 0xFF00FF00 with a brush of RGB(1, 2, 3).
  const Case cases[] = {
      {SRCAND, 0xF000F000},   {SRCPAINT, 0xFFF0FFF0},  {SRCINVERT, 0x0FF00FF0}, {NOTSRCCOPY, 0x0F0F0F0F},
      {PATCOPY, 0x00010203},  {PATINVERT, 0xFF01FD03}, {BLACKNESS, 0x00000000}, {WHITENESS, 0x00FFFFFF},
      {DSTINVERT, 0xFFFF00FF},
  };
  for (const Case& c : cases) {
    TestCanvas src(1, 1, 0xF0F0F0F0);
    TestCanvas dst(1, 1, 0xFF00FF00);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    SelectObject(dst.Dc(), brush);
    EXPECT_TRUE(BitBlt(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, c.rop));
    EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.rop;
    SelectObject(dst.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
  }
}

}  // namespace
}  // namespace qb
