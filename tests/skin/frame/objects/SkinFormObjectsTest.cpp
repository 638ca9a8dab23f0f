#include <gtest/gtest.h>

#include "skin/data/SkinMessages.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinStdButtonObject.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/component/ComponentErrors.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A form without window under a frame component with the program's skin
// (its own frame, no layered frame), 400 × 300.
class SkinFormObjects : public ::testing::Test {
 protected:
  SkinFormObjects() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(0, 0, 400, 300);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetSkinData(skin.data.get());
  }
  TskActiveSkinObject& Object(std::u16string_view name) {
    TskActiveSkinObject* object = skinForm->FindObject(name);
    EXPECT_NE(object, nullptr);
    return *object;
  }

  TApplication application;
  test::OwnSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

TEST_F(SkinFormObjects, BuildsTheFrameObjectsOfTheSkinInOrder) {
  std::vector<std::u16string> names;
  for (const auto& object : skinForm->FrameObjects()) names.push_back(object->IDName);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"closebutton", u"maxbutton", u"minbutton", u"sysmenubutton",
                                                u"caption"}));
  EXPECT_TRUE(skinForm->Skinned());
  EXPECT_EQ(GetSkinForm(form.get()), skinForm);
}

TEST_F(SkinFormObjects, DefaultBorderIconsShowEveryButtonAndNoIconsOnlyClose) {
  struct Case {
    TskBorderIcons icons;
    bool close, maximize, minimize, sysMenu;
  };
  const Case cases[] = {
      {TskBorderIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize}, true, true,
       true, true},
      {TskBorderIcons{}, true, false, false, false},
      {TskBorderIcons{TskBorderIcon::biSystemMenu}, true, false, false, true},
  };
  for (const Case& c : cases) {
    skinForm->SetBorderIcons(c.icons);
    EXPECT_EQ(Object(u"closebutton").Visible, c.close);
    EXPECT_EQ(Object(u"maxbutton").Visible, c.maximize);
    EXPECT_EQ(Object(u"minbutton").Visible, c.minimize);
    EXPECT_EQ(Object(u"sysmenubutton").Visible, c.sysMenu);
  }
}

TEST_F(SkinFormObjects, LaysTheButtonsOutFromTheRightAndTheCaptionBetween) {
  skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize,
                                          TskBorderIcon::biMaximize});
  skinForm->UpdateFrame(true);
  // Caption rectangle (5,3,395,20) at 400 wide, buttons 17 × 15 with 3
  // pixels between them, the system-menu button 16 wide.
  const RECT close = Object(u"closebutton").ObjectRect;
  const RECT maximize = Object(u"maxbutton").ObjectRect;
  const RECT minimize = Object(u"minbutton").ObjectRect;
  const RECT sysMenu = Object(u"sysmenubutton").ObjectRect;
  EXPECT_EQ(close, (RECT{378, 3, 395, 18}));
  EXPECT_EQ(maximize, (RECT{358, 3, 375, 18}));
  EXPECT_EQ(minimize, (RECT{338, 3, 355, 18}));
  EXPECT_EQ(sysMenu.left, 5);
  EXPECT_EQ(sysMenu.right - sysMenu.left, 16);
  const RECT caption = Object(u"caption").ObjectRect;
  EXPECT_EQ(caption.left, sysMenu.right);
  EXPECT_EQ(caption.right, minimize.left);
  EXPECT_EQ(caption.top, 4);

  skinForm->SetBorderIcons(TskBorderIcons{});
  skinForm->UpdateFrame(true);
  EXPECT_EQ(Object(u"closebutton").ObjectRect, close);
  EXPECT_EQ(Object(u"caption").ObjectRect.right, close.left - 3 + 3);
}

TEST_F(SkinFormObjects, HoverMorphsInFiveStepsAndBack) {
  skinForm->UpdateFrame(true);
  TskActiveSkinObject& close = Object(u"closebutton");
  ASSERT_TRUE(close.CanMorph());
  close.MouseEnter();
  EXPECT_TRUE(skinForm->MorphTimerRunning());
  for (double expected : {0.2, 0.4, 0.6, 0.8, 1.0}) {
    skinForm->MorphTimerTick();
    EXPECT_DOUBLE_EQ(close.MorphFactor, expected);
  }
  skinForm->MorphTimerTick();
  EXPECT_FALSE(skinForm->MorphTimerRunning()) << "nothing moved, the timer stops";
  close.MouseLeave();
  for (int i = 0; i < 5; ++i) skinForm->MorphTimerTick();
  EXPECT_DOUBLE_EQ(close.MorphFactor, 0.0);
}

TEST_F(SkinFormObjects, SkinChangeDropsTheObjectsUntilTheNewSkinIsApplied) {
  TMessage before{SKM_BEFORECHANGE, reinterpret_cast<WPARAM>(skin.data.get()), 1000, 0};
  form->WindowProc(before);
  EXPECT_TRUE(skinForm->FrameObjects().empty());
  EXPECT_TRUE(skinForm->SkinChangeInProgress());
  EXPECT_FALSE(skinForm->Skinned());
  TMessage change{SKM_CHANGE, reinterpret_cast<WPARAM>(skin.data.get()), 1000, 0};
  form->WindowProc(change);
  EXPECT_FALSE(skinForm->SkinChangeInProgress());
  EXPECT_TRUE(skinForm->Skinned());
  EXPECT_EQ(skinForm->FrameObjects().size(), 5u);

  test::OwnSkinData other;
  TMessage foreign{SKM_BEFORECHANGE, reinterpret_cast<WPARAM>(other.data.get()), 1000, 0};
  form->WindowProc(foreign);
  EXPECT_EQ(skinForm->FrameObjects().size(), 5u) << "another skin data's change leaves the frame alone";
}

TEST_F(SkinFormObjects, SystemMenuWithNoIconsHoldsCloseAlone) {
  skinForm->SetBorderIcons(TskBorderIcons{});
  EXPECT_EQ(skinForm->SystemMenuCaptions(), (std::vector<std::u16string>{u"&Close"}));
  skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                                          TskBorderIcon::biRollUp});
  EXPECT_EQ(skinForm->SystemMenuCaptions(),
            (std::vector<std::u16string>{u"Mi&nimize", u"Ma&ximize", u"Ro&llUp", u"", u"&Close"}));
}

TEST_F(SkinFormObjects, ApplyingTheSkinWidensANarrowFormToTheSkinsMinimum) {
  form->SetBounds(0, 0, 150, 300);
  skinForm->ApplySkin();
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(skinForm->GetMinWidth(), 200);
}

TEST(SkinFormOwner, MustBeAForm) {
  TComponent owner(nullptr);
  EXPECT_THROW(TskSkinForm{&owner}, EInvalidCast);
}

}  // namespace
}  // namespace qb
