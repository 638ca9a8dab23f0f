#include <gtest/gtest.h>

#include "platform/window/WindowApi.h"
#include "skin/controls/TskLayerManager.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/GlowTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A stay-on-top form at (300, 200) without window under a frame component
// whose skin gives the close button a glow.
class GlowFrame : public ::testing::Test {
 protected:
  GlowFrame() {
    form->SetBorderStyle(bsSingle);
    form->SetFormStyle(fsStayOnTop);
    form->SetBounds(300, 200, 200, 120);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetSkinData(skin.data.get());
    close = skinForm->FindObject(u"closebutton");
  }
  TskLayerManager& Glow() const { return skinForm->GlowLayer(); }

  TApplication application;
  test::GlowSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
  TskActiveSkinObject* close = nullptr;
};

TEST_F(GlowFrame, EnteringShowsTheGlowAtTheObjectLessTheOffsetsAndLeavingHidesIt) {
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->glowlayerpictureindex, 1) << "taken from the record";
  close->MouseEnter();
  ASSERT_TRUE(Glow().Visible());
  ASSERT_NE(Glow().Window(), nullptr);
  RECT r{};
  GetWindowRect(Glow().Window(), &r);
  const int left = 300 + close->ObjectRect.left - test::kGlowOffsetX;
  const int top = 200 + close->ObjectRect.top - test::kGlowOffsetY;
  EXPECT_EQ(r, (RECT{left, top, left + 14, top + 16})) << "object at " << testing::PrintToString(close->ObjectRect);
  EXPECT_TRUE(Glow().Topmost) << "a stay-on-top form's glow stays above it";
  test::RunApplicationUntil(application, [&] { return Glow().Opacity() == test::kGlowAlpha; }, std::chrono::seconds(5));
  EXPECT_EQ(Glow().Opacity(), test::kGlowAlpha) << "fades in to the record's alpha";

  close->MouseLeave();
  EXPECT_FALSE(Glow().Visible());
  EXPECT_EQ(Glow().Window(), nullptr);
}

TEST_F(GlowFrame, NoGlowWithoutPictureMaskOrSwitch) {
  ASSERT_NE(close, nullptr);
  const struct {
    const char* what;
    bool switchOn;
    int picture, mask;
  } cases[] = {
      {"switched off", false, 1, 2},
      {"no glow picture", true, -1, 2},
      {"mask index names no picture", true, 1, 9},
      {"no mask", true, 1, -1},
  };
  for (const auto& c : cases) {
    skin.data->ShowCaptionButtonGlowFrames = c.switchOn;
    close->glowlayerpictureindex = c.picture;
    close->glowlayermaskpictureindex = c.mask;
    close->MouseEnter();
    EXPECT_FALSE(Glow().Visible()) << c.what;
    close->MouseLeave();
  }
}

TEST_F(GlowFrame, ActivationChangesAndSkinChangesHideTheGlow) {
  ASSERT_NE(close, nullptr);
  close->MouseEnter();
  ASSERT_TRUE(Glow().Visible());
  form->Perform(WM_NCACTIVATE, 0, 0);
  EXPECT_FALSE(Glow().Visible()) << "deactivation";

  close = skinForm->FindObject(u"closebutton");
  close->MouseEnter();
  ASSERT_TRUE(Glow().Visible());
  skinForm->ApplySkin();
  EXPECT_FALSE(Glow().Visible()) << "a new skin";
}

}  // namespace
}  // namespace qb
