#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Icon.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinStdButtonObject.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

constexpr std::uint32_t kBlue = 0xFF0000FFu;

// A 16 × 16 icon: the left half opaque blue; the right half red at half
// alpha (`alpha`), or left out by the mask (not `alpha`), or everything
// left out (`clear`).
HICON MakeIcon(bool alpha, bool clear = false) {
  HBITMAP colour = CreateCompatibleBitmap(nullptr, 16, 16);
  HBITMAP mask = CreateCompatibleBitmap(nullptr, 16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool left = x < 8;
      if (alpha)
        colour->Pixels().At(x, y) = left ? kBlue : 0x80FF0000u;
      else
        colour->Pixels().At(x, y) = left ? 0x000000FFu : 0x00FF0000u;
      mask->Pixels().At(x, y) = left && !clear ? 0u : 0x00FFFFFFu;
    }
  }
  ICONINFO info;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

struct IconOnStrip {
  bool iconHasAlpha = false;
  std::uint32_t opaque = 0;  // premultiplied strip pixels inside the icon
  std::uint32_t right = 0;
};

// The top strip of our skin's full-border frame around a shown form whose
// system-menu button shows `icon`.
IconOnStrip ShowIconOnStrip(TApplication& application, HICON icon) {
  test::OwnSkinData skin{true};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  form->SetBorderStyle(bsSingle);
  form->SetBounds(500, 300, 200, 60);
  form->Icon().SetHandle(icon);
  auto* skinForm = new TskSkinForm(form.get());
  skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu});
  skinForm->SetShowIcon(true);
  skinForm->SetSkinData(skin.data.get());
  form->Show();
  test::ProcessPending(application);
  IconOnStrip result;
  result.iconHasAlpha = skinForm->IconHasAlpha();
  const TskBitmap* strip = skinForm->LayerBorder().Strip(lsTop);
  const auto* button = dynamic_cast<TskSkinStdButtonObject*>(skinForm->FindObject(u"sysmenubutton"));
  EXPECT_NE(strip, nullptr);
  EXPECT_NE(button, nullptr);
  if (strip == nullptr || button == nullptr) return result;
  EXPECT_TRUE(button->Visible && button->ShowsIcon());
  const RECT r = button->ObjectRect;
  EXPECT_EQ(r.right - r.left, 16);
  result.opaque = strip->ScanLine(r.top + 8)[r.left + 3];
  result.right = strip->ScanLine(r.top + 8)[r.left + 12];
  return result;
}

TEST(LayerIcon, AnIconWithAlphaIsBlendedAndAMaskIconKeyedBothKeepingTheStripsAlpha) {
  TApplication application;
  const IconOnStrip clear = ShowIconOnStrip(application, MakeIcon(false, true));
  const IconOnStrip masked = ShowIconOnStrip(application, MakeIcon(false));
  const IconOnStrip blended = ShowIconOnStrip(application, MakeIcon(true));

  EXPECT_FALSE(masked.iconHasAlpha) << "only opaque and clear pixels";
  EXPECT_TRUE(blended.iconHasAlpha) << "half-transparent pixels";
  EXPECT_EQ(masked.opaque, kBlue) << "no hole where the icon is opaque";
  EXPECT_EQ(blended.opaque, kBlue);
  EXPECT_EQ(masked.right, clear.right) << "what the mask leaves out shows the frame";
  EXPECT_GE(blended.right >> 24, 0x80u) << "at least the icon's own alpha";
  EXPECT_GE((blended.right >> 16) & 0xFFu, 0x7Fu) << "the icon's red, premultiplied";
}

}  // namespace
}  // namespace qb
