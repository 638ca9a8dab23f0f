#include <gtest/gtest.h>

#include "platform/gdi/text/Text.h"
#include "skin/data/CanvasText.h"
#include "skin/data/GlowText.h"
#include "skin/data/TskBitmap.h"

namespace qb {
namespace {

constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

// The bounding box of the pixels that are no longer opaque white.
RECT Changed(const TskBitmap& s) {
  RECT box{s.Width(), s.Height(), 0, 0};
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if ((s.ScanLine(y)[x] & 0xFFFFFFu) == 0xFFFFFFu) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
             std::max<LONG>(box.bottom, y + 1)};
    }
  }
  return box;
}

TEST(GlowText, GlowSurfaceSitsGlowSizeBeforeTheTextShiftedByTheOffset) {
  const RECT text{10, 10, 40, 25};
  const struct {
    int offset;
    RECT limit;  // where the glow surface lies
  } cases[] = {{0, {8, 8, 42, 27}}, {3, {11, 11, 45, 30}}};
  for (const auto& c : cases) {
    TskBitmap canvas;
    canvas.SetSize(60, 40);
    canvas.FillRect({0, 0, 60, 40}, 0xFFFFFFFFu);
    canvas.Canvas().Font().SetColor(clBlack);
    GlowText(canvas.Canvas(), text, u"MW", 2, clBlue, c.offset, kFormat);
    const RECT box = Changed(canvas);
    EXPECT_GE(box.left, std::min(c.limit.left, text.left)) << "offset " << c.offset;
    EXPECT_GE(box.top, std::min(c.limit.top, text.top)) << "offset " << c.offset;
    EXPECT_LE(box.right, c.limit.right) << "offset " << c.offset;
    EXPECT_LE(box.bottom, c.limit.bottom) << "offset " << c.offset;
    if (c.offset == 0) {
      EXPECT_LT(box.left, text.left) << "the glow reaches into the margin";
    }
  }
}

TEST(GlowText, GlowHasTheGlowColourAndTheTextStaysOnTop) {
  TskBitmap canvas;
  canvas.SetSize(40, 30);
  canvas.FillRect({0, 0, 40, 30}, 0xFFFFFFFFu);
  canvas.Canvas().Font().SetColor(clBlack);
  GlowText(canvas.Canvas(), {10, 8, 35, 24}, u"H", 3, clBlue, 0, kFormat);
  bool blueGlow = false, blackText = false;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const std::uint32_t p = canvas.ScanLine(y)[x];
      const int r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
      if (b == 255 && r < 255 && r == g) blueGlow = true;
      if (b < 100) blackText = true;  // only the black text lowers blue
      EXPECT_GE(b, r) << "glow and text only take red and green away, at " << x << ", " << y;
    }
  }
  EXPECT_TRUE(blueGlow);
  EXPECT_TRUE(blackText);
}

TEST(CanvasText, MeasuresWithTheCanvasFont) {
  TskBitmap canvas;
  canvas.SetSize(10, 10);
  TCanvas& c = canvas.Canvas();
  EXPECT_EQ(TextWidth(c, u""), 0);
  EXPECT_GT(TextHeight(c, u"Ag"), 0);
  const int narrow = TextWidth(c, u"Quill");
  c.Font().SetHeight(-30);
  EXPECT_GT(TextWidth(c, u"Quill"), narrow);
}

TEST(EllipsisText, KeepsTheLongestStartThatFits) {
  TskBitmap canvas;
  canvas.SetSize(10, 10);
  TCanvas& c = canvas.Canvas();
  const std::u16string text = u"Quillbrook notification";
  const struct {
    int maxWidth;
    std::u16string expected;
  } cases[] = {
      {TextWidth(c, text), text},
      {TextWidth(c, text) + 10, text},
      {TextWidth(c, u"Quill..."), u"Quill..."},
      {0, u"..."},
  };
  for (const auto& k : cases) EXPECT_EQ(EllipsisText(c, text, k.maxWidth), k.expected) << k.maxWidth;
}

TEST(EllipsisText, RemovesASurrogatePairAsOneCharacter) {
  TskBitmap canvas;
  canvas.SetSize(10, 10);
  TCanvas& c = canvas.Canvas();
  const std::u16string text = u"a\U0001F600b";
  ASSERT_GT(TextWidth(c, u"a\U0001F600..."), TextWidth(c, u"a..."));
  EXPECT_EQ(EllipsisText(c, text, TextWidth(c, u"a...")), u"a...");
}

}  // namespace
}  // namespace qb
