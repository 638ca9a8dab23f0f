#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/text/Text.h"
#include "skin/data/GlowText.h"
#include "skin/data/GlowTextCache.h"
#include "skin/data/TskBitmap.h"

namespace qb {
namespace {

constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

struct Paint {
  const char* what;
  bool vista;
  std::u16string text;
  RECT rect;
  int glowSize;  // or, for the flatter glow, whether it has the inactive look
  TColor color;
  int fontHeight;
};

// The pixels one painter call leaves on a white canvas.
std::vector<std::uint32_t> Painted(const Paint& p, GlowTextCache* cache) {
  TskBitmap canvas;
  canvas.SetSize(70, 50);
  canvas.FillRect({0, 0, 70, 50}, 0xFFFFFFFFu);
  canvas.Canvas().Font().SetColor(clBlack);
  canvas.Canvas().Font().SetHeight(p.fontHeight);
  if (p.vista)
    VistaGlowText(canvas.Canvas(), p.rect, p.text, p.color, kFormat, p.glowSize != 0, cache);
  else
    GlowText(canvas.Canvas(), p.rect, p.text, p.glowSize, p.color, 1, kFormat, cache);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < canvas.Height(); ++y) pixels.insert(pixels.end(), canvas.ScanLine(y), canvas.ScanLine(y) + 70);
  return pixels;
}

// Each paint, in this order through one cache, must match the same paint
// made without any: a kept glow is only reused when nothing it depends on
// changed.
TEST(GlowTextCache, CachedPaintsMatchFreshOnesAsTextFontSizeAndColourChange) {
  const Paint paints[] = {
      {"first", false, u"MW", {15, 15, 45, 30}, 3, clBlue, -11},
      {"the same again", false, u"MW", {15, 15, 45, 30}, 3, clBlue, -11},
      {"moved", false, u"MW", {18, 12, 48, 27}, 3, clBlue, -11},
      {"other text", false, u"MX", {15, 15, 45, 30}, 3, clBlue, -11},
      {"other colour", false, u"MW", {15, 15, 45, 30}, 3, clRed, -11},
      {"other glow size", false, u"MW", {15, 15, 45, 30}, 2, clBlue, -11},
      {"other rectangle size", false, u"MW", {15, 15, 47, 30}, 3, clBlue, -11},
      {"other font", false, u"MW", {15, 15, 45, 30}, 3, clBlue, -13},
      {"flat, active", true, u"MW", {15, 15, 45, 30}, 0, clBlue, -11},
      {"flat, inactive", true, u"MW", {15, 15, 45, 30}, 1, clBlue, -11},
      {"first once more", false, u"MW", {15, 15, 45, 30}, 3, clBlue, -11},
  };
  GlowTextCache cache;
  for (const Paint& p : paints) EXPECT_EQ(Painted(p, &cache), Painted(p, nullptr)) << p.what;
}

TEST(GlowTextCache, KeptGlowsAreMadeOnceAndTheOldestMakeRoom) {
  GlowTextCache cache;
  int made = 0;
  auto key = [](int size) {
    GlowTextCache::Key k;
    k.text = u"A";
    k.size = size;
    return k;
  };
  const std::function<void(TskBitmap&)> make = [&](TskBitmap& glow) {
    ++made;
    glow.SetSize(1, 1);
  };
  const TskBitmap* first = &cache.Get(key(0), make);
  EXPECT_EQ(&cache.Get(key(0), make), first);
  EXPECT_EQ(made, 1);
  for (int size = 1; size <= 4; ++size) cache.Get(key(size), make);
  EXPECT_EQ(made, 5);
  cache.Get(key(0), make);  // pushed out by the four newer ones
  EXPECT_EQ(made, 6);
  cache.Get(key(4), make);
  EXPECT_EQ(made, 6);
}

}  // namespace
}  // namespace qb
