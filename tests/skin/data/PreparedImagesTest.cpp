#include <gtest/gtest.h>

#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "tests/skin/data/SkinTestPackage.h"

namespace qb {
namespace {

constexpr std::uint32_t Pixel(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

// Picture 0: 4 × 2, white but for (0,0) = red 200, green 100, blue 50.
// Picture 1, the mask: 2 × 2 with grey levels 20, 255 / 0, 1.
std::vector<Dib> Pictures() {
  Dib picture = test::SolidDib(4, 2, 255, 255, 255);
  test::SetPixel24(picture, 0, 0, 200, 100, 50);
  Dib mask = test::SolidDib(2, 2, 255, 255, 255);
  test::SetPixel24(mask, 0, 0, 10, 20, 30);
  test::SetPixel24(mask, 0, 1, 0, 0, 0);
  test::SetPixel24(mask, 1, 1, 1, 1, 2);
  return {picture, mask};
}

std::vector<std::uint32_t> Pixels(const TskBitmap& image) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < image.Height(); ++y) pixels.insert(pixels.end(), image.ScanLine(y), image.ScanLine(y) + image.Width());
  return pixels;
}

class PreparedImages : public ::testing::Test {
 protected:
  void Load(std::string_view layerFrame, std::string_view button) {
    definition = std::string(layerFrame) + "[SKINOBJECTS]\r\ncount=1\r\n0=closebutton:stdbutton\r\n[closebutton]\r\n" +
                 std::string(button);
    test::PackageParts parts;
    parts.active = Pictures();
    parts.definition = definition;
    TskCompressedStoredSkin stored(nullptr);
    stored.ReadCompressedData(test::Compress(test::BuildPackage(parts)));
    data.LoadStoredSkin(&stored);
    ASSERT_FALSE(data.Empty());
    close = dynamic_cast<const TskDataSkinStdButton*>(data.SkinObjects().at(0).get());
    ASSERT_NE(close, nullptr);
  }
  std::string definition;
  TskSkinData data{nullptr};
  const TskDataSkinStdButton* close = nullptr;
};

constexpr std::string_view kFullBorder = "[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=1\r\nfullborder=1\r\n";
constexpr std::string_view kButton =
    "activepictureindex=0\r\nskinrect=0,0,2,2\r\nalphamaskpictureindex=1\r\n"
    "activeskinrect=2,0,4,2\r\nrestorerect=0,0,2,2\r\nrestoreactiverect=0,0,1,1\r\n"
    "alphamaskactivepictureindex=7\r\n";

TEST_F(PreparedImages, MaskGreyBecomesPremultipliedAlpha) {
  Load(kFullBorder, kButton);
  ASSERT_NE(close->AlphaImage, nullptr);
  EXPECT_FALSE(close->AlphaImage->KeyTransparent);
  EXPECT_EQ(Pixels(*close->AlphaImage), (std::vector<std::uint32_t>{
                                            Pixel(20, 16, 8, 4), Pixel(255, 255, 255, 255),
                                            Pixel(0, 0, 0, 0), Pixel(1, 1, 1, 1),
                                        }));
  ASSERT_NE(close->RestoreAlphaImage, nullptr);
  EXPECT_EQ(Pixels(*close->RestoreAlphaImage), Pixels(*close->AlphaImage));
}

TEST_F(PreparedImages, WithoutAUsableMaskTheImageIsOpaqueAndColourKeyed) {
  Load(kFullBorder, kButton);
  ASSERT_NE(close->ActiveAlphaImage, nullptr);
  EXPECT_TRUE(close->ActiveAlphaImage->KeyTransparent);
  EXPECT_EQ(Pixels(*close->ActiveAlphaImage), std::vector<std::uint32_t>(4, Pixel(255, 255, 255, 255)));
  ASSERT_NE(close->RestoreActiveAlphaImage, nullptr);
  EXPECT_EQ(Pixels(*close->RestoreActiveAlphaImage), (std::vector<std::uint32_t>{Pixel(255, 200, 100, 50)}));
  EXPECT_EQ(close->DownAlphaImage, nullptr);
  EXPECT_EQ(close->InactiveAlphaImage, nullptr);
}

TEST_F(PreparedImages, NoImagesWithoutAFullBorderLayerFrameOrAPicture) {
  const std::string_view frames[] = {
      "",
      "[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=1\r\n",
      "[LAYERFRAME]\r\nfullborder=1\r\n",
  };
  for (std::string_view frame : frames) {
    Load(frame, kButton);
    EXPECT_EQ(close->AlphaImage, nullptr) << frame;
    EXPECT_EQ(close->RestoreAlphaImage, nullptr) << frame;
  }
  Load(kFullBorder, "activepictureindex=2\r\nskinrect=0,0,2,2\r\n");
  EXPECT_EQ(close->AlphaImage, nullptr);
}

TEST_F(PreparedImages, LayerFrameImageTakesTheMaskGreyUnpremultiplied) {
  Load(kFullBorder, kButton);
  const TskDataSkinLayerFrame& frame = data.LayerFrame();
  ASSERT_NE(frame.ActiveImage, nullptr);
  EXPECT_EQ(frame.InactiveImage, nullptr);
  EXPECT_TRUE(frame.ActiveImage->PartialAlpha);
  EXPECT_EQ(Pixels(*frame.ActiveImage), (std::vector<std::uint32_t>{
                                            Pixel(20, 200, 100, 50), Pixel(255, 255, 255, 255),
                                            Pixel(0, 255, 255, 255), Pixel(0, 255, 255, 255),
                                            Pixel(0, 255, 255, 255), Pixel(1, 255, 255, 255),
                                            Pixel(0, 255, 255, 255), Pixel(0, 255, 255, 255),
                                        }));

  Load("[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=2\r\n", "");
  EXPECT_EQ(data.LayerFrame().ActiveImage, nullptr);
}

TEST_F(PreparedImages, ClearingDropsTheLayerFrameAndResetsTheColours) {
  Load(std::string(kFullBorder) + "[SKINCOLORS]\r\ncbtnface=1\r\n[POPUPWINDOW]\r\nwindowpictureindex=3\r\n", kButton);
  EXPECT_EQ(data.SkinColors().cbtnface, 1);
  EXPECT_EQ(data.PopupWindow().windowpictureindex, 3);
  Load("", "");
  EXPECT_EQ(data.LayerFrame().pictureindex, -1);
  EXPECT_EQ(data.LayerFrame().ActiveImage, nullptr);
  EXPECT_EQ(data.PopupWindow().windowpictureindex, -1);
  EXPECT_EQ(data.SkinColors().cbtnface, clBtnFace);
}

}  // namespace
}  // namespace qb
