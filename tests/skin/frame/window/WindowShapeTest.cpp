#include <gtest/gtest.h>

#include <functional>

#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/GlowTestSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/WindowShape.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// Without a mask the window keeps its whole rectangle at every size, with
// or without a skin and under the full-border layered frame; rolled up
// under that frame only its top row is left. (The mask's shape is the
// pattern frame's test.)
TEST(WindowShape, WithoutAMaskTheWholeWindowAndRolledUpUnderTheLayeredFrameItsTopRow) {
  TApplication application;
  test::OwnSkinData layered(true);
  test::GlowSkinData withoutMask;
  const auto whole = [](int, int) { return true; };
  struct Case {
    const char* what;
    TskSkinData* data;
    bool rollUp;
    std::function<bool(int, int)> inside;
  };
  const Case cases[] = {
      {"unskinned", nullptr, false, whole},
      {"skinned without mask", withoutMask.data.get(), false, whole},
      {"full-border layered frame", layered.data.get(), false, whole},
      {"rolled up under the layered frame", layered.data.get(), true, [](int, int y) { return y < 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto form = NewForm<TForm>();
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(300, 300, 250, 120);
    auto* skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biRollUp});
    if (c.data != nullptr) skinForm->SetSkinData(c.data);
    form->Show();
    ASSERT_TRUE(test::RunApplicationUntil(application, [skinForm] { return !skinForm->ShowPending(); }));
    if (c.rollUp) {
      skinForm->SetRollUp(true);
      ASSERT_TRUE(skinForm->RolledUp());
    } else {
      EXPECT_EQ(test::ShapeDifference(form->Handle(), c.inside), "");
      form->SetBounds(300, 300, 301, 157);
    }
    test::ProcessPending(application);
    EXPECT_EQ(test::ShapeDifference(form->Handle(), c.inside), "") << form->Width() << " x " << form->Height();
  }
}

}  // namespace
}  // namespace qb
