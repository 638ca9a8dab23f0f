#include <gtest/gtest.h>

#include "platform/backend/RawInput.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/data/DibPixel.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskResourceStrData.h"
#include "skin/data/TskDataSkinSectionObject.h"
#include "skin/frame/TskSkinAnimateObject.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinHint.h"
#include "skin/frame/TskSkinStdButtonObject.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

std::uint32_t Rgb(TColor colour) {
  const COLORREF c = ColorToRGB(colour);
  return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// A form without window under a frame component with our skin and every
// caption button, its object hints switched on.
class ObjectHints : public ::testing::Test {
 protected:
  ObjectHints() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(0, 0, 400, 300);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize,
                                            TskBorderIcon::biMaximize});
    skinForm->SetSkinData(skin.data.get());
    hint = new TskSkinHint(form.get());
    skinForm->SetSkinHint(hint);
    skinForm->ShowObjectHint = true;
  }
  ~ObjectHints() override {
    if (skin.data) skin.data->SetResourceStrData(nullptr);
  }

  TskSkinStdButtonObject& Button(std::u16string_view name) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(skinForm->FindObject(name));
    EXPECT_NE(button, nullptr) << std::string(name.begin(), name.end());
    return *button;
  }
  void MovePointer(POINT p) {
    DeliverPointerMove(p);
    test::ProcessPending(application);
  }

  TApplication application;
  test::OwnSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
  TskSkinHint* hint = nullptr;
};

TEST_F(ObjectHints, TakeTheStringComponentsTextsOnStringsChangedElseTheEnglishOnes) {
  TskResourceStrData strings(nullptr);
  // No text for the minimize button: it keeps the English one.
  strings.SetResStrings({u"CLOSEBUTTON_HINT=Schließen", u"MAXBUTTON_HINT=Maximieren",
                         u"MENUBUTTON_HINT=Systemmenü", u"RESTORE_HINT=Wiederherstellen"});
  skin.data->SetResourceStrData(&strings);
  form->Perform(SKM_STRINGSCHANGED, reinterpret_cast<WPARAM>(skin.data.get()), SKM_NOTIFY_LPARAM);
  const struct {
    const char16_t* object;
    const char16_t* hint;
    const char16_t* restoreHint;
  } cases[] = {
      {u"closebutton", u"Schließen", u"Wiederherstellen"},
      {u"maxbutton", u"Maximieren", u"Wiederherstellen"},
      {u"minbutton", u"Minimize", u"Wiederherstellen"},
      {u"sysmenubutton", u"Systemmenü", u"Wiederherstellen"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Button(c.object).hint, c.hint);
    EXPECT_EQ(Button(c.object).restorehint, c.restoreHint);
  }

  skin.data->SetResourceStrData(nullptr);
  skinForm->ApplySkin();
  EXPECT_EQ(Button(u"maxbutton").hint, u"Maximize");
  EXPECT_EQ(Button(u"maxbutton").restorehint, u"Restore");
}

TEST_F(ObjectHints, EnteringShowsTheHintBelowThePointerAndTheRestoreHintWhileMaximized) {
  MovePointer({200, 150});
  TskSkinStdButtonObject& maximize = Button(u"maxbutton");
  maximize.MouseEnter();
  ASSERT_TRUE(hint->Visible());
  EXPECT_EQ(hint->Text(), u"Maximize");
  RECT r{};
  GetWindowRect(hint->Window(), &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150 + TskSkinHint::kPointerGap);
  EXPECT_TRUE(GetWindowLong(hint->Window(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  maximize.MouseLeave();
  EXPECT_FALSE(hint->Visible());

  skinForm->SetFrameState(wsMaximized);
  maximize.MouseEnter();
  EXPECT_EQ(hint->Text(), u"Restore");
  maximize.MouseLeave();

  skinForm->ShowObjectHint = false;
  maximize.MouseEnter();
  EXPECT_FALSE(hint->Visible()) << "hints switched off";
}

TEST_F(ObjectHints, AnAnimatedMaximizeButtonShowsItsRestoreHintWhileMaximized) {
  TskDataSkinSectionObject record(u"maxanimation", u"animate");
  record.hint = u"Vergrößern";
  record.Values = {{u"command", u"cmmaximize"}, {u"restorehint", u"Wiederherstellen"}};
  TskSkinAnimateObject animation(*skinForm, record);
  EXPECT_EQ(animation.CurrentHint(), u"Vergrößern");
  skinForm->SetFrameState(wsMaximized);
  EXPECT_EQ(animation.CurrentHint(), u"Wiederherstellen");
}

TEST_F(ObjectHints, ClosingMenusHidesTheHintAndADestroyedHintIsForgotten) {
  Button(u"closebutton").MouseEnter();
  ASSERT_TRUE(hint->Visible());
  form->Perform(SKM_CLOSEMENUS, 0, 0);
  EXPECT_FALSE(hint->Visible());

  delete hint;
  EXPECT_EQ(skinForm->SkinHint(), nullptr);
  Button(u"closebutton").MouseLeave();
  Button(u"closebutton").MouseEnter();
}

TEST_F(ObjectHints, TheHintWindowIsTheSkinsHintPictureElseAPlainBox) {
  TskSkinHint plain(nullptr);
  plain.ActivateHint(POINT{100, 100}, u"Close");
  test::ProcessPending(application);
  Surface shot = CaptureWindow(plain.Window());
  ASSERT_FALSE(shot.Empty());
  EXPECT_EQ(shot.At(0, 0) & 0x00FFFFFFu, Rgb(clInfoText)) << "outline";
  EXPECT_EQ(shot.At(1, shot.Height() / 2) & 0x00FFFFFFu, Rgb(clInfoBk)) << "inside";

  TskSkinHint skinned(nullptr);
  skinned.SetSkinData(skin.data.get());
  skinned.ActivateHint(POINT{100, 200}, u"Close");
  test::ProcessPending(application);
  shot = CaptureWindow(skinned.Window());
  const TskDataSkinHintWindow& record = skin.data->HintWindow();
  const TBitmap& picture = *skin.data->ActivePicture(record.windowpictureindex);
  // The fixed top-left corner outside the inner rectangle is copied 1:1.
  const POINT corner{record.clientrect.left - 1, record.clientrect.top - 1};
  EXPECT_EQ(shot.At(corner.x, corner.y) & 0x00FFFFFFu, DibPixel(picture.Image(), corner.x, corner.y) & 0x00FFFFFFu);
  EXPECT_GE(shot.Width(), picture.Width() - record.clientrect.right + record.clientrect.left)
      << "at least the picture's borders";

  skin.data.reset();
  EXPECT_EQ(skinned.SkinData(), nullptr) << "the reference is cleared with the skin data";
  EXPECT_FALSE(skinned.Visible());
}

}  // namespace
}  // namespace qb
