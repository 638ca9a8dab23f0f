#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TBitmap.h"
#include "toolkit/graphics/TIcon.h"

namespace qb {
namespace {

constexpr COLORREF R = RGB(255, 0, 0);
constexpr COLORREF G = RGB(0, 255, 0);
constexpr COLORREF B = RGB(0, 0, 255);
constexpr COLORREF W = RGB(255, 255, 255);
constexpr COLORREF K = RGB(0, 0, 0);

// The picture's pixels as COLORREFs, row by row.
std::vector<COLORREF> Pixels(TBitmap& picture) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) pixels.push_back(picture.Canvas().Pixel(x, y));
  }
  return pixels;
}

std::unique_ptr<TBitmap> Blank(int width, int height, TPixelFormat format = pf32bit) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(format);
  picture->SetSize(width, height);
  picture->Canvas().Brush().SetColor(clWhite);
  picture->Canvas().FillRect(RECT{0, 0, width, height});
  return picture;
}

TEST(Colors, SystemColoursResolveToTheClassicThemeAndPlainColoursStay) {
  struct Case {
    TColor color;
    COLORREF expected;
  };
  for (const Case& c : {Case{clRed, RGB(255, 0, 0)}, Case{0x123456, 0x123456}, Case{clBtnFace, RGB(236, 233, 216)},
                        Case{clBtnShadow, RGB(172, 168, 153)}, Case{clWindow, RGB(255, 255, 255)},
                        Case{clWindowText, RGB(0, 0, 0)}, Case{clBtnHighlight, RGB(255, 255, 255)}}) {
    EXPECT_EQ(ColorToRGB(c.color), c.expected) << std::hex << c.color;
  }
}

TEST(Canvas, FillsFramesSetsPixelsAndDrawsLinesWithItsBrushAndPen) {
  auto picture = Blank(4, 3);
  TCanvas& canvas = picture->Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{1, 0, 3, 2});
  canvas.Brush().SetColor(clBlue);
  canvas.FrameRect(RECT{0, 2, 4, 3});
  canvas.SetPixel(3, 0, clLime);
  canvas.Pen().SetColor(clBlack);
  canvas.MoveTo(0, 0);
  canvas.LineTo(0, 2);  // the end point is not drawn
  EXPECT_EQ(Pixels(*picture), (std::vector<COLORREF>{
                                 K, R, R, G,  //
                                 K, R, R, W,  //
                                 B, B, B, B,
                             }));
  EXPECT_EQ(canvas.PenPos().y, 2);
}

TEST(Canvas, StretchDrawAndCopyRectScaleByTheNearestPixel) {
  auto source = Blank(2, 2);
  source->Canvas().SetPixel(0, 0, clRed);
  source->Canvas().SetPixel(1, 0, clLime);
  source->Canvas().SetPixel(0, 1, clBlue);

  auto target = Blank(4, 3);
  target->Canvas().StretchDraw(RECT{0, 0, 4, 2}, *source);
  target->Canvas().CopyRect(RECT{2, 2, 4, 3}, source->Canvas(), RECT{0, 1, 1, 2});
  target->Canvas().Draw(0, 2, *source);  // clipped at the bottom
  EXPECT_EQ(Pixels(*target), (std::vector<COLORREF>{
                                R, R, G, G,  //
                                B, B, W, W,  //
                                R, G, B, B,
                            }));
}

TEST(Canvas, AFontChangeTakesEffectAtTheNextText) {
  auto picture = Blank(8, 8);
  TCanvas& canvas = picture->Canvas();
  canvas.Font().SetHeight(-11);
  const SIZE small = canvas.TextExtent(u"Quillbrook");
  canvas.Font().SetHeight(-22);
  const SIZE large = canvas.TextExtent(u"Quillbrook");
  EXPECT_GT(large.cx, small.cx);
  EXPECT_GT(large.cy, small.cy);
}

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
  struct Case {
    int size;
    int height;
  };
  for (const Case& c : {Case{8, -11}, Case{9, -12}, Case{10, -13}, Case{12, -16}}) {
    TFont font;
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height) << "size " << c.size;
    font.SetHeight(c.height);
    EXPECT_EQ(font.Size(), c.size) << "height " << c.height;
  }
}

TEST(Bitmap, DrawingOnAPaletteOrTwentyFourBitPictureChangesItsImageInItsOwnFormat) {
  struct Case {
    TPixelFormat format;
    int bitsPerPixel;
  };
  for (const Case& c : {Case{pf1bit, 1}, Case{pf8bit, 8}, Case{pf24bit, 24}, Case{pf32bit, 32}}) {
    SCOPED_TRACE(c.bitsPerPixel);
    auto picture = Blank(3, 2, c.format);
    picture->Canvas().Brush().SetColor(clBlack);
    picture->Canvas().FillRect(RECT{1, 0, 2, 2});
    EXPECT_EQ(picture->Image().bitsPerPixel, c.bitsPerPixel);

    std::vector<BYTE> stream;
    picture->SaveToStream(stream);
    TBitmap copy;
    copy.LoadFromStream(stream);
    EXPECT_EQ(copy.PixelFormat(), c.format);
    EXPECT_EQ(Pixels(copy), (std::vector<COLORREF>{W, K, W, W, K, W}));
  }
}

TEST(Bitmap, ConvertingToOneBitTakesTheNearerOfBlackAndWhite) {
  auto picture = Blank(3, 1, pf24bit);
  picture->Canvas().SetPixel(0, 0, RGB(40, 40, 40));
  picture->Canvas().SetPixel(1, 0, RGB(220, 200, 210));
  picture->SetPixelFormat(pf1bit);
  EXPECT_EQ(picture->PixelFormat(), pf1bit);
  EXPECT_EQ(Pixels(*picture), (std::vector<COLORREF>{K, W, W}));
}

TEST(Bitmap, ResizingKeepsTheCanvasUsable) {
  auto picture = Blank(1, 1);
  TCanvas& canvas = picture->Canvas();
  picture->SetSize(2, 1);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{0, 0, 2, 1});
  EXPECT_EQ(Pixels(*picture), (std::vector<COLORREF>{R, R}));
}

TEST(Icon, AssignCopiesThePictureAndEachIconOwnsItsOwnHandle) {
  TIcon application;
  application.SetHandle(LoadIcon(nullptr, IDI_APPLICATION));
  TIcon form;
  int changes = 0;
  form.OnChange = [&](TObject*) { ++changes; };
  form.Assign(&application);
  ASSERT_FALSE(form.Empty());
  EXPECT_NE(form.Handle(), application.Handle());
  EXPECT_EQ(form.Width(), 32);
  EXPECT_EQ(form.Handle()->picture.At(16, 16), application.Handle()->picture.At(16, 16));
  application.SetHandle(nullptr);
  EXPECT_EQ(form.Height(), 32);
  form.Assign(nullptr);
  EXPECT_TRUE(form.Empty());
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace qb
