#include <gtest/gtest.h>

#include "skin/controls/ButtonLayout.h"
#include "tests/support/TestPictures.h"

namespace qb {
namespace {

const char* LayoutName(TskButtonLayout layout) {
  const char* names[] = {"left", "right", "top", "bottom"};
  return names[layout];
}

// Rectangle 10,20,110,60 (cx 60, cy 40); glyph 16 × 12, text 30 × 14,
// spacing 4: hh = 25, hv = 15.
TEST(CalcButtonLayout, PlacesGlyphAndTextForEveryLayoutWithAndWithoutMargin) {
  const RECT r{10, 20, 110, 60};
  struct Case {
    TskButtonLayout layout;
    int margin;
    POINT glyph;
    POINT text;
  };
  const Case cases[] = {
      {blGlyphLeft, -1, {35, 34}, {55, 33}},    {blGlyphLeft, 3, {13, 34}, {33, 33}},
      {blGlyphRight, -1, {69, 34}, {35, 33}},   {blGlyphRight, 3, {91, 34}, {57, 33}},
      {blGlyphTop, -1, {52, 25}, {45, 41}},     {blGlyphTop, 3, {52, 23}, {45, 39}},
      {blGlyphBottom, -1, {52, 43}, {45, 25}},  {blGlyphBottom, 3, {52, 45}, {45, 27}},
  };
  for (const Case& c : cases) {
    const ButtonContentLayout got = CalcButtonLayout(c.layout, r, 16, 12, 30, 14, c.margin, 4);
    EXPECT_EQ(got.glyph.x, c.glyph.x) << LayoutName(c.layout) << " margin " << c.margin;
    EXPECT_EQ(got.glyph.y, c.glyph.y) << LayoutName(c.layout) << " margin " << c.margin;
    EXPECT_EQ(got.text.x, c.text.x) << LayoutName(c.layout) << " margin " << c.margin;
    EXPECT_EQ(got.text.y, c.text.y) << LayoutName(c.layout) << " margin " << c.margin;
  }
}

TEST(CalcButtonLayout, CaptionWithoutGlyphIsCentredWhateverTheSpacing) {
  // The program's buttons: text area 2,2,168,23 gives cx 85, cy 12.
  const ButtonContentLayout got = CalcButtonLayout(blGlyphLeft, RECT{2, 2, 168, 23}, 0, 0, 41, 15, -1, 1);
  EXPECT_EQ(got.text.x, 85 + 41 / 2 - 41);
  EXPECT_EQ(got.text.y, 12 - 15 / 2);
}

TEST(DrawSkinFocusRect, FirstPixelDependsOnTheOutlineParityAndTheDotsAlternate) {
  struct Case {
    int size;
    bool firstSet;
  };
  for (const Case c : {Case{10, true}, Case{11, false}}) {
    TBitmap picture;
    test::MakePicture(picture, c.size, c.size, [](int, int) { return 0xFFFFFFu; });
    picture.Canvas().Font().SetColor(RGB(0, 0, 255));
    DrawSkinFocusRect(picture.Canvas(), RECT{0, 0, c.size, c.size});
    const auto set = [&](int x, int y) { return test::ColourAt(picture, x, y) == 0x0000FFu; };
    EXPECT_EQ(set(0, 0), c.firstSet) << c.size;
    EXPECT_NE(set(1, 0), c.firstSet) << c.size;
    EXPECT_FALSE(set(c.size / 2, c.size / 2)) << c.size;
    // Every other pixel along each edge, the corners shared by two edges.
    for (int i = 0; i + 1 < c.size; ++i) {
      EXPECT_NE(set(i, 0), set(i + 1, 0)) << c.size << " top " << i;
      EXPECT_NE(set(c.size - 1, i), set(c.size - 1, i + 1)) << c.size << " right " << i;
      EXPECT_NE(set(i, c.size - 1), set(i + 1, c.size - 1)) << c.size << " bottom " << i;
      EXPECT_NE(set(0, i), set(0, i + 1)) << c.size << " left " << i;
    }
  }
}

TEST(DrawGlyphCell, DrawsOneCellWithItsBottomLeftPixelTransparent) {
  // A 7 × 2 strip of two cells (3 columns each, one remainder column): the
  // cells' bottom-left pixels are their keys.
  TBitmap glyph;
  test::MakePicture(glyph, {{0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666, 0x777777},
                            {0xAAAAAA, 0x222222, 0xAAAAAA, 0xBBBBBB, 0x555555, 0x666666, 0x777777}});
  TBitmap target;
  test::MakePicture(target, 4, 2, [](int, int) { return 0xFFFFFFu; });
  DrawGlyphCell(target.Canvas(), 1, 0, 2, 2, glyph);
  const std::vector<std::vector<std::uint32_t>> expected{{0xFFFFFF, 0x444444, 0x555555, 0x666666},
                                                         {0xFFFFFF, 0xFFFFFF, 0x555555, 0x666666}};
  EXPECT_EQ(test::Colours(target), expected);
}

}  // namespace
}  // namespace qb
