#include "platform/gdi/text/Text.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/text/FontFace.h"
#include "tests/platform/gdi/TestCanvas.h"

namespace qb {
namespace {

using test::TestCanvas;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

LOGFONT Describe(const char16_t* face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  std::u16string_view(face).copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

// A white canvas with a font selected, black text, transparent background.
class TextCanvas {
 public:
  TextCanvas(int width, int height, const LOGFONT& lf)
      : width_(width), height_(height), canvas_(width, height, kWhite), font_(CreateFontIndirect(&lf)) {
    previous_ = SelectObject(canvas_.Dc(), font_);
    SetBkMode(canvas_.Dc(), TRANSPARENT);
    SetTextColor(canvas_.Dc(), RGB(0, 0, 0));
  }
  ~TextCanvas() {
    SelectObject(canvas_.Dc(), previous_);
    DeleteObject(font_);
  }
  HDC Dc() const { return canvas_.Dc(); }
  TestCanvas& Canvas() { return canvas_; }

  // The smallest rectangle around every pixel that is no longer white.
  RECT Ink() {
    const std::vector<std::uint32_t> pixels = canvas_.Pixels();
    RECT ink{1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (pixels[std::size_t(y * width_ + x)] == kWhite) continue;
        ink = RECT{std::min(ink.left, LONG(x)), std::min(ink.top, LONG(y)), std::max(ink.right, LONG(x + 1)),
                   std::max(ink.bottom, LONG(y + 1))};
      }
    }
    return ink.right < 0 ? RECT{} : ink;
  }
  // How much darker than white the canvas got, summed over the pixels.
  int Darkness() {
    int sum = 0;
    const std::vector<std::uint32_t> pixels = canvas_.Pixels();
    for (std::uint32_t p : pixels) sum += 255 - int((p >> 8) & 0xFF);
    return sum;
  }

 private:
  int width_;
  int height_;
  TestCanvas canvas_;
  HFONT font_;
  HGDIOBJ previous_;
};

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

TEST(Text, FacesResolveToTheInstalledFiles) {
  struct Case {
    const char16_t* face;
    LONG weight;
    const char* file;
  };
  const Case cases[] = {
      {u"Tahoma", FW_NORMAL, "tahoma.ttf"},
      {u"Tahoma", FW_BOLD, "tahomabd.ttf"},
      {u"Arial", FW_NORMAL, "LiberationSans-Regular.ttf"},
      {u"Arial", FW_BOLD, "LiberationSans-Bold.ttf"},
  };
  for (const Case& c : cases) {
    const std::string file = FontFace::For(Describe(c.face, -11, c.weight))->File();
    EXPECT_TRUE(file.ends_with(c.file)) << file;
  }
}

TEST(Text, MetricsFollowTheHeightSignConvention) {
  struct Case {
    LONG height;
    LONG tmHeight;
    LONG ascent;
    LONG descent;
  };
  // Tahoma's win ascent and descent are 2049 and 423 units of 2048.
  const Case cases[] = {{-11, 13, 11, 2}, {13, 13, 11, 2}, {-16, 19, 16, 3}, {20, 20, 17, 3}};
  for (const Case& c : cases) {
    TextCanvas t(4, 4, Describe(u"Tahoma", c.height));
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(t.Dc(), &tm));
    EXPECT_EQ(tm.tmHeight, c.tmHeight) << c.height;
    EXPECT_EQ(tm.tmAscent, c.ascent) << c.height;
    EXPECT_EQ(tm.tmDescent, c.descent) << c.height;
    SIZE size;
    GetTextExtentPoint32(t.Dc(), u"Hallo", 5, &size);
    EXPECT_EQ(size.cy, c.tmHeight);
    EXPECT_GT(size.cx, 0);
  }
}

// Lines are as wide as the faces draw them. The countdown's first caption
// in the form's Tahoma of 11 pixels: the face's own advances add up to
// 176.75 pixels (32908 units of 2048 per em), 177 with each advance rounded
// to whole pixels. Hinting that moved glyphs sideways made it 193; Arial's
// hinting keeps the face's widths either way.
TEST(Text, LinesAreAsWideAsTheFaceDrawsThem) {
  constexpr char16_t kCaption[] = u"Fenster schließt sich in 20 Sekunden";
  struct Case {
    const char16_t* face;
    LONG height;
    LONG width;
  };
  const Case cases[] = {{u"Tahoma", -11, 177}, {u"Arial", -11, 180}};
  for (const Case& c : cases) {
    TextCanvas t(4, 4, Describe(c.face, c.height));
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32(t.Dc(), kCaption, int(std::char_traits<char16_t>::length(kCaption)), &size));
    EXPECT_EQ(size.cx, c.width) << FontFace::For(Describe(c.face, c.height))->File();
  }
}

TEST(Text, CalcRectIsWhereTheSameCallDraws) {
  struct Case {
    const char16_t* text;
    UINT format;
    LONG width;
  };
  const Case cases[] = {
      {u"PDF-Datei erzeugt", DT_SINGLELINE, 0},
      {u"Ordner öffnen", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 0},
      {u"Die Datei wurde im gewählten Ordner gespeichert", DT_WORDBREAK, 90},
      {u"Zeile eins\r\nZeile zwei, länger", DT_RIGHT, 0},
      {u"&Schließen", DT_SINGLELINE, 0},
  };
  for (const Case& c : cases) {
    TextCanvas t(200, 100, Describe(u"Tahoma", -11));
    RECT measured{10, 10, 10 + c.width, 10};
    const int height = DrawText(t.Dc(), c.text, -1, &measured, c.format | DT_CALCRECT);
    EXPECT_EQ(height, measured.bottom - measured.top);
    RECT drawn = measured;
    EXPECT_EQ(DrawText(t.Dc(), c.text, -1, &drawn, c.format), height);
    const RECT ink = t.Ink();
    EXPECT_TRUE(Inside(ink, measured)) << "ink " << ink.left << "," << ink.top << "," << ink.right << ","
                                       << ink.bottom << " measured " << measured.right << "," << measured.bottom;
    EXPECT_LE(measured.right - ink.right, 2) << "measured width fits the ink";
    EXPECT_LE(ink.left - measured.left, 2);
  }
}

TEST(Text, WordBreakAndAlignment) {
  TextCanvas t(200, 60, Describe(u"Tahoma", -11));
  TEXTMETRIC tm;
  GetTextMetrics(t.Dc(), &tm);
  SIZE twoWords;
  GetTextExtentPoint32(t.Dc(), u"eins eins", 9, &twoWords);
  RECT narrow{0, 0, twoWords.cx - 1, 60};
  EXPECT_EQ(DrawText(t.Dc(), u"eins eins eins", -1, &narrow, DT_WORDBREAK | DT_CALCRECT), 3 * tm.tmHeight);
  RECT fits{0, 0, twoWords.cx, 60};
  EXPECT_EQ(DrawText(t.Dc(), u"eins eins eins", -1, &fits, DT_WORDBREAK | DT_CALCRECT), 2 * tm.tmHeight);

  struct Case {
    UINT format;
    LONG left;  // expected distance from the rectangle's left to the ink, ±2
    LONG top;   // expected distance from the rectangle's top to the ink's cell
  };
  SIZE extent;
  GetTextExtentPoint32(t.Dc(), u"Mitte", 5, &extent);
  const RECT box{20, 5, 180, 55};
  const Case cases[] = {
      {DT_SINGLELINE | DT_LEFT | DT_TOP, 0, 0},
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, (160 - extent.cx) / 2, (50 - extent.cy) / 2},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 160 - extent.cx, 50 - extent.cy},
  };
  for (const Case& c : cases) {
    TextCanvas canvas(200, 60, Describe(u"Tahoma", -11));
    RECT r = box;
    const int result = DrawText(canvas.Dc(), u"Mitte", -1, &r, c.format);
    EXPECT_EQ(result, c.top + extent.cy) << c.format;
    const RECT ink = canvas.Ink();
    EXPECT_NEAR(ink.left - box.left, c.left, 2) << c.format;
    EXPECT_GE(ink.top - box.top, c.top) << c.format;
    EXPECT_LE(ink.bottom - box.top, c.top + extent.cy) << c.format;
  }
}

TEST(Text, TabsExpandToEightAverageCharacters) {
  TextCanvas t(200, 20, Describe(u"Tahoma", -11));
  TEXTMETRIC tm;
  GetTextMetrics(t.Dc(), &tm);
  SIZE x;
  GetTextExtentPoint32(t.Dc(), u"x", 1, &x);
  RECT expanded{0, 0, 0, 0};
  DrawText(t.Dc(), u"x\tx", -1, &expanded, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  EXPECT_EQ(expanded.right, 8 * tm.tmAveCharWidth + x.cx);
  RECT plain{0, 0, 0, 0};
  DrawText(t.Dc(), u"x\tx", -1, &plain, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(plain.right, 2 * x.cx) << "without DT_EXPANDTABS a tab takes no room";
}

TEST(Text, GlyphsBlendInTheTextColourAndClearAlpha) {
  TextCanvas t(80, 20, Describe(u"Tahoma", -11));
  SetTextColor(t.Dc(), RGB(255, 0, 0));
  TextOut(t.Dc(), 2, 2, u"Kopf", 4);
  int solid = 0;
  const std::vector<std::uint32_t> pixels = t.Canvas().Pixels();
  for (std::uint32_t p : pixels) {
    if (p == kWhite) continue;
    EXPECT_EQ(p >> 24, 0u) << std::hex << p;
    EXPECT_EQ((p >> 16) & 0xFF, 0xFFu) << std::hex << p;
    EXPECT_EQ((p >> 8) & 0xFF, p & 0xFF) << "green and blue fade together " << std::hex << p;
    solid += (p & 0xFFFFFF) == 0xFF0000;
  }
  EXPECT_GT(solid, 0) << "stems are fully covered";
}

TEST(Text, OpaqueBackgroundFillsTheCell) {
  TextCanvas t(80, 20, Describe(u"Tahoma", -11));
  SetBkMode(t.Dc(), OPAQUE);
  SetBkColor(t.Dc(), RGB(0, 0, 255));
  SIZE extent;
  GetTextExtentPoint32(t.Dc(), u"ab", 2, &extent);
  TextOut(t.Dc(), 3, 4, u"ab", 2);
  EXPECT_EQ(t.Canvas().At(3, 4), 0x000000FFu);
  EXPECT_EQ(t.Canvas().At(3 + extent.cx - 1, 4 + extent.cy - 1), 0x000000FFu);
  EXPECT_EQ(t.Canvas().At(3 + extent.cx, 4), kWhite);
  EXPECT_EQ(t.Canvas().At(3, 4 + extent.cy), kWhite);
}

TEST(Text, StylesChangeTheInk) {
  const std::u16string text = u"Abbrechen";
  auto inkOf = [&](LOGFONT lf, UINT format = DT_SINGLELINE | DT_NOPREFIX, const std::u16string& s = u"Abbrechen") {
    TextCanvas t(120, 30, lf);
    RECT r{2, 2, 118, 28};
    DrawText(t.Dc(), s.c_str(), -1, &r, format);
    return t.Darkness();
  };
  const LOGFONT regular = Describe(u"Tahoma", -13);
  LOGFONT bold = Describe(u"Tahoma", -13, FW_BOLD);
  LOGFONT underlined = regular;
  underlined.lfUnderline = 1;
  EXPECT_GT(inkOf(bold), inkOf(regular) * 5 / 4) << "bold without bitmap strikes is bold";
  EXPECT_GT(inkOf(underlined), inkOf(regular));
  EXPECT_GT(inkOf(regular, DT_SINGLELINE, u"&" + text), inkOf(regular)) << "prefix underline";
  EXPECT_EQ(inkOf(regular, DT_SINGLELINE | DT_HIDEPREFIX, u"&" + text), inkOf(regular));
}

TEST(Text, EscapementOf900DrawsUpwards) {
  LOGFONT lf = Describe(u"Tahoma", -11);
  lf.lfEscapement = 900;
  TextCanvas t(30, 100, lf);
  TextOut(t.Dc(), 5, 90, u"Senkrecht", 9);
  const RECT ink = t.Ink();
  SIZE extent;
  GetTextExtentPoint32(t.Dc(), u"Senkrecht", 9, &extent);
  EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
  EXPECT_LE(ink.bottom, 90);
  EXPECT_GE(ink.top, 90 - extent.cx);
  EXPECT_GE(ink.left, 5);
  EXPECT_LE(ink.right, 5 + extent.cy);
}

}  // namespace
}  // namespace qb
