#include <gtest/gtest.h>

#include <functional>

#include "platform/window/PaintApi.h"

#include "tests/skin/controls/button/ButtonForm.h"
#include "tests/support/PictureDifference.h"

namespace qb {
namespace {

using test::ButtonTest;

std::string Hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", colour);
  return text;
}

// Each row brings a fresh button into a state through the control's own
// paths and names the picture its next paint shows.
TEST_F(ButtonTest, StatePictureFollowsDownMouseFocusEnabledAndMorph) {
  using Step = std::function<void(TskSkinButton&)>;
  const Step enter = [](TskSkinButton& b) { b.Perform(CM_MOUSEENTER); };
  const Step leave = [](TskSkinButton& b) { b.Perform(CM_MOUSELEAVE); };
  const Step focus = [](TskSkinButton& b) { b.SetFocus(); };
  const Step down = [](TskSkinButton& b) { b.SetDown(true); };
  const Step disable = [](TskSkinButton& b) { b.SetEnabled(false); };
  struct Case {
    const char* what;
    const char16_t* record;
    std::vector<Step> steps;
    std::uint32_t look;
  };
  const Case cases[] = {
      {"nothing", u"statebutton", {}, test::kNormal},
      {"mouse in", u"statebutton", {enter}, test::kActive},
      {"focused", u"statebutton", {focus}, test::kFocused},
      {"down with the mouse in", u"statebutton", {enter, down}, test::kDown},
      {"down, mouse out, not focused", u"statebutton", {down}, test::kNormal},
      {"down and focused", u"statebutton", {focus, down}, test::kDown},
      {"disabled", u"statebutton", {disable}, test::kDisabled},
      {"disabled, mouse entered", u"statebutton", {disable, enter}, test::kDisabled},
      {"disabled without a disabled picture", u"plainbutton", {disable}, test::kNormal},
      {"focused without a focused picture", u"plainbutton", {focus}, test::kActive},
      {"mouse gone, morph factor still 1", u"plainbutton", {down, leave}, test::kActive},
      {"down without a down picture", u"activeonly", {enter, down}, test::kActive},
      {"mouse in without an active picture", u"fixedbutton", {enter}, test::kNormal},
      {"unskinned", u"missing", {}, test::SystemColour(clBtnFace)},
      {"unskinned, mouse in", u"missing", {enter}, 0xB6BDD2},
      {"unskinned, focused", u"missing", {focus}, 0xB6BDD2},
      {"unskinned, down with the mouse in", u"missing", {enter, down}, 0x8593B5},
  };
  int row = 0;
  for (const Case& c : cases) {
    TskSkinButton* button =
        form->AddButton(u"B" + std::u16string(1, char16_t(u'a' + row++)), c.record, {10, 10, 90, 40}, skin.data.get());
    for (const Step& step : c.steps) step(*button);
    EXPECT_EQ(Hex(Look(*button)), Hex(c.look)) << c.what;
    form->box->SetFocus();
    delete button;
  }
}

// Each step of the fade shows the straight blend (1 − k)·normal + k·active
// of the two blocks, rounded: red falls from C0 as green rises to C0.
TEST_F(ButtonTest, HoverFadesInAndOutInFifthsThroughTheBlendOfTheTwoPictures) {
  TskSkinButton* button = form->AddButton(u"Fade", u"plainbutton", {10, 10, 90, 40}, skin.data.get());
  test::ProcessPending(application);
  // The look after each change of the factor.
  std::vector<std::string> steps;
  double last = 0;
  const auto record = [&] {
    if (button->MorphFactor() == last) return;
    last = button->MorphFactor();
    char step[32];
    std::snprintf(step, sizeof step, "%.1f:%s", last, Hex(Look(*button)).c_str());
    steps.push_back(step);
  };
  MoveTo({240, 225});
  ASSERT_TRUE(button->MouseIn());
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] {
    record();
    return !button->Morphing();
  }));
  EXPECT_EQ(steps,
            (std::vector<std::string>{"0.2:9A2600", "0.4:734D00", "0.6:4D7300", "0.8:269A00", "1.0:00C000"}));

  steps.clear();
  MoveTo({400, 300});
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] {
    record();
    return !button->Morphing();
  }));
  EXPECT_EQ(steps,
            (std::vector<std::string>{"0.8:269A00", "0.6:4D7300", "0.4:734D00", "0.2:9A2600", "0.0:C00000"}));
}

// A transparent button's normal look is what lies behind it: the form's
// face here, the picture of the skinned button it sits on there. Hovering
// and pressing show its own pictures.
TEST_F(ButtonTest, TransparentButtonShowsWhatLiesBehindItOnlyInItsNormalLook) {
  TskSkinButton* container = form->AddButton(u"Container", u"statebutton", {100, 10, 190, 90}, skin.data.get());
  container->Perform(CM_MOUSEENTER);
  auto* inside = new TskSkinButton(form.get());
  inside->SetParent(container);
  inside->SetSkinDataName(u"statebutton");
  inside->SetBounds(5, 5, 40, 30);
  inside->SetSkinData(skin.data.get());
  TskSkinButton* onForm = form->AddButton(u"OnForm", u"statebutton", {10, 10, 90, 40}, skin.data.get());
  for (TskSkinButton* button : {onForm, inside}) button->SetTransparent(true);
  EXPECT_EQ(Hex(Look(*onForm)), Hex(test::SystemColour(clBtnFace))) << "the form's face";
  EXPECT_EQ(Hex(Look(*inside)), Hex(test::kActive)) << "the hovered container's picture";
  onForm->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Hex(Look(*onForm)), Hex(test::kActive)) << "hovered";
  onForm->SetDown(true);
  EXPECT_EQ(Hex(Look(*onForm)), Hex(test::kDown)) << "pressed";
}

// A skinned button with a stretched picture tells its children that their
// background changed whenever its bounds are set, even to the bounds it has
// (the windowing system repaints children only when their parent moves or
// changes size): the transparent child showing that background repaints,
// the others keep their pictures.
TEST_F(ButtonTest, SettingAStretchedContainersBoundsRepaintsTheChildrenThatShowItsPicture) {
  TskSkinButton* container = form->AddButton(u"Container", u"statebutton", {100, 10, 190, 90}, skin.data.get());
  struct Child {
    const char* what;
    bool transparent;
    bool hovered;
    bool repaints;
  };
  const Child children[] = {
      {"transparent", true, false, true},
      {"transparent, hovered", true, true, false},
      {"opaque", false, false, false},
  };
  std::vector<TskSkinButton*> buttons;
  for (const Child& c : children) {
    auto* child = new TskSkinButton(form.get());
    child->SetParent(container);
    child->SetSkinDataName(u"statebutton");
    child->SetBounds(5, 5 + 25 * int(buttons.size()), 30, 20);
    child->SetSkinData(skin.data.get());
    child->SetTransparent(c.transparent);
    if (c.hovered) child->Perform(CM_MOUSEENTER);
    buttons.push_back(child);
  }
  test::ProcessPending(application);
  container->SetBounds(container->Left(), container->Top(), container->Width(), container->Height());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    RECT pending{};
    EXPECT_EQ(GetUpdateRect(buttons[i]->Handle(), &pending, FALSE) != FALSE, children[i].repaints) << children[i].what;
  }
}

// The caption is centred in the text area (the client rectangle moved to
// the button's size: 1,1,78,27 for an 80 × 30 "statebutton", centre 39,14),
// drawn one pixel right of its measured place and one pixel higher for an
// odd font height, in the colour of the state. Each picture is compared
// with the same button without caption and the caption drawn over it where
// and how it belongs.
TEST_F(ButtonTest, CaptionIsCentredInTheTextAreaInTheColourOfTheState) {
  using Step = std::function<void(TskSkinButton&)>;
  const Step enter = [](TskSkinButton& b) { b.Perform(CM_MOUSEENTER); };
  const Step down = [](TskSkinButton& b) { b.SetDown(true); };
  const Step disable = [](TskSkinButton& b) { b.SetEnabled(false); };
  const Step focus = [](TskSkinButton& b) { b.SetFocus(); };
  const Step ownFont = [](TskSkinButton& b) {
    b.UseSkinFont = false;
    b.DefaultFont().SetHeight(14);
  };
  const Step ownColour = [](TskSkinButton& b) {
    b.UseSkinFontColor = false;
    b.DefaultFont().SetColor(clRed);
  };
  struct Case {
    const char* what;
    const char16_t* record;
    std::vector<Step> steps;
    TColor colour;
    int fontHeight;
    POINT centre;
  };
  const Case cases[] = {
      {"normal", u"statebutton", {}, 0, 13, {39, 14}},
      {"mouse in", u"statebutton", {enter}, 32768, 13, {39, 14}},
      {"focused", u"statebutton", {focus}, 32768, 13, {39, 14}},
      {"down with the mouse in", u"statebutton", {enter, down}, 8388608, 13, {39, 14}},
      {"disabled", u"statebutton", {disable}, 14144205, 13, {39, 14}},
      {"disabled colour equal to the normal one", u"plainbutton", {disable}, 8421504, 13, {40, 15}},
      {"the default font's colour", u"statebutton", {ownColour}, clRed, 13, {39, 14}},
      {"the default font, even height", u"statebutton", {ownFont}, 0, 14, {39, 14}},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TskSkinButton* button =
        form->AddButton(u"B" + std::u16string(1, char16_t(u'a' + row++)), c.record, {10, 10, 90, 40}, skin.data.get());
    for (const Step& step : c.steps) step(*button);
    TBitmap background;
    test::PaintInto(*button, background);
    button->SetCaption(u"Öffnen");
    TBitmap shown;
    test::PaintInto(*button, shown);

    TBitmap expected;
    expected.Assign(&background);
    TCanvas& canvas = expected.Canvas();
    canvas.Font().SetName(u"Tahoma");
    canvas.Font().SetHeight(c.fontHeight);
    canvas.Font().SetColor(c.colour);
    canvas.Brush().SetStyle(bsClear);
    const SIZE text = canvas.TextExtent(u"Öffnen");
    canvas.TextOut(c.centre.x + text.cx / 2 - text.cx + 1, c.centre.y - text.cy / 2 - c.fontHeight % 2, u"Öffnen");
    EXPECT_EQ(test::PictureDifference(test::Colours(shown), test::Colours(expected)), "");
    form->box->SetFocus();
    delete button;
  }
}

}  // namespace
}  // namespace qb
