#include <gtest/gtest.h>

#include <functional>

#include "tests/skin/controls/button/ButtonForm.h"

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

TEST_F(ButtonTest, HoverFadesInAndOutInFifthsAndBlendsOnTheWay) {
  TskSkinButton* button = form->AddButton(u"Fade", u"plainbutton", {10, 10, 90, 40}, skin.data.get());
  test::ProcessPending(application);
  std::vector<double> factors;
  const auto record = [&] {
    if (factors.empty() || factors.back() != button->MorphFactor()) factors.push_back(button->MorphFactor());
    return false;
  };
  MoveTo({240, 225});
  ASSERT_TRUE(button->MouseIn());
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] {
    record();
    if (button->MorphFactor() == 0.4) {
      const std::uint32_t mid = Look(*button);
      EXPECT_NE(mid, test::kNormal);
      EXPECT_NE(mid, test::kActive);
      // Red falls from C0 and green rises to C0.
      EXPECT_LT(mid >> 16, 0xC0u);
      EXPECT_GT((mid >> 8) & 0xFF, 0u);
    }
    return !button->Morphing();
  }));
  EXPECT_EQ(factors, (std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1}));
  EXPECT_EQ(Look(*button), test::kActive);

  factors.clear();
  MoveTo({400, 300});
  ASSERT_TRUE(test::RunApplicationUntil(application, [&] {
    record();
    return !button->Morphing();
  }));
  EXPECT_EQ(factors, (std::vector<double>{1, 0.8, 0.6, 0.4, 0.2, 0}));
  EXPECT_EQ(Look(*button), test::kNormal);
}

TEST_F(ButtonTest, DisabledTextColourComesFromTheRecordOrFallsBackToGrey) {
  TskSkinButton* own = form->AddButton(u"Own", u"statebutton", {10, 10, 90, 40}, skin.data.get());
  TskSkinButton* same = form->AddButton(u"Same", u"plainbutton", {10, 50, 90, 80}, skin.data.get());
  Look(*own);
  Look(*same);
  EXPECT_EQ(own->disabledfontcolor, TColor(14144205));
  EXPECT_EQ(same->disabledfontcolor, TColor(8421504));
}

}  // namespace
}  // namespace qb
