#include <gtest/gtest.h>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Draw.h"
#include "skin/data/TskBitmap.h"
#include "tests/support/TestPictures.h"

namespace qb {
namespace {

using Pixels = std::vector<std::vector<std::uint32_t>>;

void Fill(TskBitmap& s, const Pixels& rows) {
  s.SetSize(int(rows[0].size()), int(rows.size()));
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, rows[std::size_t(y)][std::size_t(x)]);
  }
}

Pixels Read(const TskBitmap& s) {
  Pixels rows(std::size_t(s.Height()));
  for (int y = 0; y < s.Height(); ++y) rows[std::size_t(y)].assign(s.ScanLine(y), s.ScanLine(y) + s.Width());
  return rows;
}

TEST(TskBitmap, SetSizeTakesAbsoluteValuesAndIgnoresZero) {
  TskBitmap s;
  EXPECT_TRUE(s.Empty());
  s.SetSize(-20, 10);
  EXPECT_EQ(s.Width(), 20);
  EXPECT_EQ(s.Height(), 10);
  EXPECT_EQ(s.ScanLine(9)[19], 0u);
  s.SetPixel(3, 4, 0x11223344u);
  s.SetSize(0, 10);
  EXPECT_EQ(s.Width(), 20);
  s.SetSize(20, -10);  // unchanged: the pixels stay
  EXPECT_EQ(s.ScanLine(4)[3], 0x11223344u);
  s.SetSize(2, 2);
  EXPECT_EQ(Read(s), (Pixels{{0, 0}, {0, 0}}));
}

TEST(TskBitmap, SetSizeFailureLeavesTheSurfaceEmpty) {
  TskBitmap s;
  s.SetSize(4, 4);
  try {
    s.SetSize(100000, 4);
    FAIL() << "a surface of 100000 columns was made";
  } catch (const EskBitmapError& e) {
    EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
  }
  EXPECT_TRUE(s.Empty());
  EXPECT_EQ(s.Width(), 0);
  EXPECT_EQ(s.DC(), nullptr);
}

TEST(TskBitmap, DeviceContextLeadsBackToTheSurfaceAndDrawsIntoItsPixels) {
  TskBitmap s;
  s.SetSize(4, 3);
  EXPECT_EQ(TskBitmap::FromDC(s.DC()), &s);
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(TskBitmap::FromDC(other), nullptr);
  DeleteDC(other);
  ::SetPixel(s.DC(), 2, 1, RGB(10, 20, 30));
  EXPECT_EQ(s.ScanLine(1)[2] & 0xFFFFFFu, 0x0A141Eu);
  s.SetSize(5, 5);
  EXPECT_EQ(TskBitmap::FromDC(s.DC()), &s);
  EXPECT_EQ(s.Canvas().Handle(), s.DC());
}

TEST(TskBitmap, PixelOperations) {
  const struct {
    const char* name;
    void (*apply)(TskBitmap&);
    std::uint32_t in, out;
  } cases[] = {
      {"premultiply", [](TskBitmap& s) { s.Premultiply(); }, 0x80FF4001u,
       0x80802001u},  // 64·128/255 = 32.1, 128/255 = 0.502
      {"premultiply clear", [](TskBitmap& s) { s.Premultiply(); }, 0x00FFFFFFu, 0x00000000u},
      {"clamp to alpha", [](TskBitmap& s) { s.ClampColorsToAlpha(); }, 0x40FF2050u, 0x40402040u},
      {"set alpha", [](TskBitmap& s) { s.SetAlpha(7); }, 0xFF123456u, 0x07123456u},
  };
  for (const auto& c : cases) {
    TskBitmap s;
    Fill(s, {{c.in}});
    c.apply(s);
    EXPECT_EQ(s.ScanLine(0)[0], c.out) << c.name;
  }
}

TEST(TskBitmap, PartialAlphaNeedsAnAlphaBetweenTheExtremes) {
  const struct {
    Pixels pixels;
    bool partial;
  } cases[] = {{{{0x00000000u, 0xFF000000u}}, false}, {{{0x00000000u, 0x01000000u}}, true}, {{{0xFE000000u}}, true}};
  for (const auto& c : cases) {
    TskBitmap s;
    Fill(s, c.pixels);
    s.UpdatePartialAlpha();
    EXPECT_EQ(s.PartialAlpha, c.partial);
  }
}

TEST(TskBitmap, TransparentColorTakesPixelsCloserThanSix) {
  TskBitmap s;
  const std::uint32_t close = 0xFFCD5F36u;  // red 205, green 95, blue 54
  const std::uint32_t far = 0xFFCE6432u;    // red 206
  Fill(s, {{close, far}});
  s.SetTransparentColor(0x00C86432u);  // red 200, green 100, blue 50
  EXPECT_EQ(Read(s), (Pixels{{kKeyColorPixel, far}}));
  EXPECT_TRUE(s.KeyTransparent);
  s.SetTransparentColor(0x00000000u);
  EXPECT_FALSE(s.KeyTransparent);
}

TEST(TskBitmap, MaskToPremultipliedAlpha) {
  TBitmap mask;
  test::MakePicture(mask, {{0x0A141E, 0xFFFFFF}});  // (10, 20, 30): grey 20
  TskBitmap s;
  Fill(s, {{0xFFC8C8C8u, 0x00C8C8C8u, 0xFF010203u}});
  s.MaskToPremultipliedAlpha(mask);
  // 200 · 20 / 255 = 15.7 → 16; the pixel beyond the mask gets alpha 0.
  EXPECT_EQ(Read(s), (Pixels{{0x14101010u, 0xFFC8C8C8u, 0x00000000u}}));
}

TEST(TskBitmap, FillRectSetsOrBlends) {
  TskBitmap s;
  Fill(s, {{0xFF000000u, 0xFF000000u}, {0xFF000000u, 0xFF000000u}});
  s.FillRect({1, -5, 9, 1}, 0x80FF0000u);
  EXPECT_EQ(Read(s), (Pixels{{0xFF000000u, 0x80FF0000u}, {0xFF000000u, 0xFF000000u}}));
  s.PartialAlpha = true;
  s.FillRect({0, 1, 1, 2}, 0x80FF0000u);
  EXPECT_EQ(s.ScanLine(1)[0], 0xBF7F0000u);
}

TEST(TskBitmap, AssignFromPicturesAndBack) {
  TBitmap picture;
  test::MakePicture(picture, {{0x102030, 0x405060}});
  TskBitmap s;
  s.Assign(&picture);
  EXPECT_EQ(Read(s), (Pixels{{0xFF102030u, 0xFF405060u}}));
  EXPECT_FALSE(s.PartialAlpha);

  s.SetPixel(1, 0, 0x80405060u);
  TBitmap copy;
  copy.Assign(&s);
  EXPECT_EQ(copy.PixelFormat(), pf32bit);
  TskBitmap back;
  back.Assign(&copy);
  EXPECT_EQ(Read(back), (Pixels{{0xFF102030u, 0x80405060u}}));
  EXPECT_TRUE(back.PartialAlpha);

  TskBitmap twin;
  back.KeyTransparent = true;
  twin.Assign(&back);
  EXPECT_EQ(Read(twin), Read(back));
  EXPECT_TRUE(twin.KeyTransparent);
  EXPECT_TRUE(twin.PartialAlpha);
}

TEST(TskBitmap, AssignFromAnIconKeepsWhatItDraws) {
  auto* handle = new HICON__;
  handle->picture.Resize(3, 1);
  handle->picture.At(0, 0) = 0xFFFF0000u;  // opaque red
  handle->picture.At(2, 0) = 0xFF0000FFu;  // opaque blue; the middle stays clear
  TIcon icon;
  icon.SetHandle(handle);
  TskBitmap s;
  Fill(s, {{0x12345678u, 0x12345678u, 0x12345678u}});
  s.Assign(&icon);
  EXPECT_EQ(Read(s), (Pixels{{0xFFFF0000u, 0xFF000000u, 0xFF0000FFu}}));
}

TEST(DrawToSurface, ModesFollowTheSource) {
  const std::uint32_t target = 0xFF0000FFu;
  const struct {
    const char* name;
    bool partial, key;
    std::uint32_t source, expected;
  } cases[] = {
      {"copy keeps alpha", false, false, 0x12345678u, 0x12345678u},
      {"blend", true, false, 0x80FF0000u, 0xBF7F007Fu},  // blue (128·0 + 128·255) / 256 = 127, alpha 191
      {"key colour left out", false, true, kKeyColorPixel, target},
      {"keyed pixel opaque", false, true, 0x00345678u, 0xFF345678u},
  };
  for (const auto& c : cases) {
    TskBitmap source, dest;
    Fill(source, {{c.source}});
    source.PartialAlpha = c.partial;
    source.KeyTransparent = c.key;
    Fill(dest, {{target}});
    source.DrawToSurface(dest, {0, 0, 1, 1}, {0, 0, 1, 1});
    EXPECT_EQ(dest.ScanLine(0)[0], c.expected) << c.name;
  }
}

TEST(DrawToSurface, NearestPixelWithHalvesToEven) {
  TskBitmap source;
  Fill(source, {{1, 2, 3}});
  const struct {
    RECT target;
    std::vector<std::uint32_t> row;
  } cases[] = {
      {{0, 0, 5, 1}, {1, 1, 2, 3, 3}},  // 0, 0.5 → 0, 1, 1.5 → 2, 2
      {{0, 0, 2, 1}, {1, 3}},
      {{2, 0, 3, 1}, {0, 0, 2, 0, 0}},   // one column wide: the middle one
      {{-2, 0, 3, 1}, {2, 3, 3, 0, 0}},  // clipped at the left: columns 0.5·2 = 1 → 2, …
  };
  for (const auto& c : cases) {
    TskBitmap dest;
    dest.SetSize(5, 1);
    source.DrawToSurface(dest, c.target, {0, 0, 3, 1});
    std::vector<std::uint32_t> row(dest.ScanLine(0), dest.ScanLine(0) + dest.Width());
    row.resize(c.row.size());
    EXPECT_EQ(row, c.row) << c.target.left << " … " << c.target.right;
  }
}

TEST(DrawToSurface, SourceRectanglesOutsideTheSurfaceDrawNothing) {
  TskBitmap source, dest;
  Fill(source, {{1, 2}, {3, 4}});
  dest.SetSize(2, 2);
  for (const RECT from : {RECT{0, 0, 3, 2}, RECT{-1, 0, 1, 1}, RECT{1, 1, 1, 2}}) {
    source.DrawToSurface(dest, {0, 0, 2, 2}, from);
    EXPECT_EQ(Read(dest), (Pixels{{0, 0}, {0, 0}}));
  }
  source.DrawToSurface(dest, {1, 1, 3, 3}, {0, 0, 2, 2});
  EXPECT_EQ(Read(dest), (Pixels{{0, 0}, {0, 1}}));
}

TEST(DrawToDC, OntoAnotherSurfaceGoesThroughItsPixelsWithTheOrigin) {
  TskBitmap source, dest;
  Fill(source, {{0x80FF0000u}});
  source.PartialAlpha = true;
  Fill(dest, {{0xFF000000u, 0xFF000000u}, {0xFF000000u, 0xFF000000u}});
  SetWindowOrgEx(dest.DC(), -1, -1, nullptr);
  source.DrawToDC(dest.DC(), 0, 0);
  EXPECT_EQ(Read(dest), (Pixels{{0xFF000000u, 0xFF000000u}, {0xFF000000u, 0xBF7F0000u}}));
}

TEST(DrawToDC, OntoAPlainContextCopiesBlendsOrKeys) {
  const struct {
    const char* name;
    bool partial, key;
    std::uint32_t source;
    COLORREF expected;
  } cases[] = {
      {"copy", false, false, 0xFF102030u, RGB(0x10, 0x20, 0x30)},
      {"blend reads the target back", true, false, 0x80FF0000u, RGB(127, 0, 127)},
      {"key colour left out", false, true, kKeyColorPixel, RGB(0, 0, 255)},
  };
  for (const auto& c : cases) {
    TskBitmap source;
    Fill(source, {{c.source}});
    source.PartialAlpha = c.partial;
    source.KeyTransparent = c.key;
    HDC dc = CreateCompatibleDC(nullptr);
    GdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(dc, 3, 3));
    HGDIOBJ previous = SelectObject(dc, bitmap.get());
    bitmap.get()->Pixels().At(1, 1) = 0xFF0000FFu;
    source.DrawToDC(dc, 1, 1);
    EXPECT_EQ(GetPixel(dc, 1, 1), c.expected) << c.name;
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0)) << c.name;
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
}

}  // namespace
}  // namespace qb
