#include <gtest/gtest.h>

#include "platform/window/WindowApi.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// With the full-border frame the caption buttons live on the top strip, so
// their glow is placed from the strip's window, not from the form.
TEST(LayerGlow, TheGlowOfAButtonOnTheTopStripCountsFromTheStripsWindow) {
  TApplication application;
  test::OwnSkinData skin{true};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  form->SetBorderStyle(bsSingle);
  form->SetBounds(500, 300, 200, 60);
  auto* skinForm = new TskSkinForm(form.get());
  skinForm->SetBorderIcons(TskBorderIcons{});
  skinForm->SetSkinData(skin.data.get());
  form->Show();
  test::ProcessPending(application);
  ASSERT_TRUE(skinForm->FullBorderActive());
  TskFormLayerWindow* top = skinForm->LayerBorder().Window(lsTop);
  ASSERT_NE(top, nullptr);

  // Our skin has no glow pictures; any picture of it serves as one here.
  TskActiveSkinObject* close = skinForm->FindObject(u"closebutton");
  ASSERT_NE(close, nullptr);
  close->glowlayerpictureindex = 0;
  close->glowlayermaskpictureindex = 0;
  close->glowlayeroffsetx = 4;
  close->glowlayeroffsety = 5;
  close->ShowGlow();
  ASSERT_NE(skinForm->GlowLayer().Window(), nullptr);
  RECT strip{}, glow{};
  GetWindowRect(top->Handle(), &strip);
  GetWindowRect(skinForm->GlowLayer().Window(), &glow);
  EXPECT_EQ(glow.left, strip.left + close->ObjectRect.left - 4);
  EXPECT_EQ(glow.top, strip.top + close->ObjectRect.top - 5);
  close->HideGlow();
  EXPECT_EQ(skinForm->GlowLayer().Window(), nullptr);
}

}  // namespace
}  // namespace qb
