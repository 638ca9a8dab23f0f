#include "platform/gdi/Icon.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/gdi/TestCanvas.h"

namespace qb {
namespace {

using test::TestCanvas;

HICON IconOf(int width, int height, std::initializer_list<std::uint32_t> pixels) {
  auto* icon = new HICON__{Surface(width, height)};
  std::copy(pixels.begin(), pixels.end(), icon->picture.Data());
  return icon;
}

TEST(Icon, DrawIconExBlendsStraightAlphaAndStretches) {
  HICON icon = IconOf(2, 1, {0xFFFF0000, 0x8000FF00});
  TestCanvas canvas(4, 1, 0xFFFFFFFF);
  ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 4, 1, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.Pixels(), (std::vector<std::uint32_t>{0x00FF0000, 0x00FF0000, 0x007FFF7F, 0x007FFF7F}));
  DestroyIcon(icon);
}

TEST(Icon, CopyImageAveragesByAlpha) {
  HICON icon = IconOf(2, 2, {0xFF0000FF, 0x00FFFFFF, 0xFF0000FF, 0x00000000});
  HICON small = CopyImage(icon, IMAGE_ICON, 1, 1, 0);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->picture.At(0, 0), 0x800000FFu) << "transparent white does not pale the blue";
  DestroyIcon(small);
  DestroyIcon(icon);
  HICON application = LoadIcon(nullptr, IDI_APPLICATION);
  ASSERT_TRUE(application);
  EXPECT_EQ(application->picture.Width(), 32);
  DestroyIcon(application);
}

TEST(Icon, MaskGivesAlphaToPicturesWithout) {
  HBITMAP color = CreateCompatibleBitmap(nullptr, 2, 1);
  HBITMAP mask = CreateCompatibleBitmap(nullptr, 2, 1);
  color->Pixels().At(0, 0) = 0x00123456;
  color->Pixels().At(1, 0) = 0x00654321;
  mask->Pixels().At(1, 0) = 0x00FFFFFF;
  const ICONINFO info{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  EXPECT_EQ(icon->picture.At(0, 0), 0xFF123456u);
  EXPECT_EQ(icon->picture.At(1, 0), 0u);
  DestroyIcon(icon);
  DeleteObject(color);
  DeleteObject(mask);
}

}  // namespace
}  // namespace qb
