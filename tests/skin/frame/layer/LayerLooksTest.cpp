#include <gtest/gtest.h>

#include <string>

#include "platform/backend/RawInput.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/PatternFrameSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/PictureDifference.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A shown 100 × 60 form at (500, 300) inside the pattern skin's layered
// frame, which is 112 wide: its top window lies at (494, 276), 24 high. On
// it the caption rectangle runs from 6 to 106, the close button lies at
// 96,4,106,14 and the caption at 6,4,94 − 2,22.
class LayerLooks : public ::testing::Test {
 protected:
  LayerLooks() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(500, 300, 100, 60);
    form->SetCaption(u"Hallo");
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->SetSkinData(skin.data.get());
    form->Show();
    test::RunApplicationUntil(application, [this] { return !skinForm->ShowPending(); });
  }
  ~LayerLooks() override {
    DeliverButton(MouseButton::kLeft, false);
    MoveTo({1900, 1000});
  }

  void MoveTo(POINT screen) {
    DeliverPointerMove(screen);
    test::ProcessPending(application);
  }
  void Button(bool down) {
    DeliverButton(MouseButton::kLeft, down);
    test::ProcessPending(application);
  }
  // What the top window shows, opaque colours.
  Surface Top() const {
    const TskFormLayerWindow* top = skinForm->LayerBorder().Window(lsTop);
    return top != nullptr ? CaptureWindow(top->Handle()) : Surface();
  }

  TApplication application;
  test::PatternFrameSkinData skin{test::LayeredPatternFrameSkin(), true};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

// Steps: i / o move the pointer onto the close button / onto the caption,
// d presses the left button (never released over the button, which would
// close the form), a / n deactivate and activate the form. After each step
// the button's look on the top window is noted: Normal, Active, Down,
// Inactive.
TEST_F(LayerLooks, CloseButtonOnTheTopWindowShowsTheImageOfItsState) {
  ASSERT_TRUE(skinForm->FullBorderActive());
  ASSERT_EQ(Top().Width(), 112);
  ASSERT_EQ(Top().Height(), 24);
  const auto look = [this] { return test::CloseLook(Top().At(101, 9) & 0x00FFFFFFu); };
  std::string looks(1, look());
  for (char step : std::string("idoan")) {
    switch (step) {
      case 'i': MoveTo({494 + 101, 276 + 9}); break;
      case 'o': MoveTo({494 + 40, 276 + 9}); break;
      case 'd': Button(true); break;
      case 'a': SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0); break;
      case 'n': SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0); break;
    }
    test::ProcessPending(application);
    looks += look();
  }
  EXPECT_EQ(looks, "NADNIN");
}

// The caption on the top window is centred in the caption object's
// rectangle (without glow there is no inset), one pixel higher for the odd
// font height, in the colour of the activation; a shown system-menu button
// lies centred at the caption rectangle's left and the caption starts 2
// pixels after it. Each top window is compared with itself without caption
// and the text drawn over it where and how it belongs.
TEST_F(LayerLooks, CaptionIsCentredOnTheTopWindowBetweenTheButtons) {
  struct Case {
    const char* what;
    bool systemMenu;
    bool active;
    RECT textRect;
  };
  const Case cases[] = {
      {"active", false, true, {6, 4, 92, 22}},
      {"inactive", false, false, {6, 4, 92, 22}},
      {"after the system-menu button", true, true, {16, 4, 92, 22}},
  };
  const std::u16string caption = u"Hallo";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    skinForm->SetBorderIcons(c.systemMenu ? TskBorderIcons{TskBorderIcon::biSystemMenu} : TskBorderIcons{});
    SendMessage(form->Handle(), WM_NCACTIVATE, c.active ? TRUE : FALSE, 0);
    form->SetCaption(u"");
    test::ProcessPending(application);
    const Surface background = Top();
    form->SetCaption(caption);
    test::ProcessPending(application);
    const Surface shot = Top();
    ASSERT_FALSE(shot.Empty());

    EXPECT_EQ(test::PictureDifference(test::Colours(shot), test::WithCaption(background, c.textRect, caption, c.active)),
              "");
    if (c.systemMenu) {
      for (const POINT p : {POINT{6, 8}, POINT{13, 17}})
        EXPECT_EQ(shot.At(p.x, p.y) & 0x00FFFFFFu, test::kSysMenu) << "system-menu button at " << p.x << "," << p.y;
      EXPECT_NE(shot.At(6, 7) & 0x00FFFFFFu, test::kSysMenu) << "centred";
    }
  }
}

}  // namespace
}  // namespace qb
