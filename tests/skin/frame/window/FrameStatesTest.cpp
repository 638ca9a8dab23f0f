// Window states, first-show placement, the tray and the show sequence of a
// form with the program's skin and its full-border layered frame (margins 4,
// 32, 3, 3; the top window starts 18 left of and 46 above the form) on the
// headless screen of 1920 × 1080 with the work area 0,0,1920,1040.
#include <gtest/gtest.h>

#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/frame/FramePlacement.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskTrayIcon.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

constexpr RECT kBounds{300, 200, 550, 320};

class FrameStates : public ::testing::Test {
 protected:
  // A resizable form with every caption button under a frame component with
  // the layered skin; shown unless told otherwise.
  TskSkinForm* Skin(TCustomForm& form, bool show = true) {
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(kBounds.left, kBounds.top, 250, 120);
    auto* skinForm = new TskSkinForm(&form);
    skinForm->SetSkinData(skin.data.get());
    skinForm->OnMinimize = [this](TObject*) { events += "minimize "; };
    skinForm->OnMaximize = [this](TObject*) { events += "maximize "; };
    skinForm->OnRestore = [this](TObject*) { events += "restore "; };
    skinForm->OnChangeRollUpState = [this](TObject*) { events += "rollup "; };
    skinForm->OnMinimizeToTray = [this](TObject*) { events += "to-tray "; };
    skinForm->OnRestoreFromTray = [this](TObject*) { events += "from-tray "; };
    form.SetBounds(kBounds.left, kBounds.top, 250, 120);
    if (show) Show(form, *skinForm);
    return skinForm;
  }
  void Show(TCustomForm& form, TskSkinForm& skinForm) {
    form.Show();
    ASSERT_TRUE(test::RunApplicationUntil(application, [&skinForm] { return !skinForm.ShowPending(); }));
  }
  static RECT WindowRect(const TskSkinForm& skinForm, TskLayerSide side) {
    RECT r{};
    if (const TskFormLayerWindow* window = skinForm.LayerBorder().Window(side)) GetWindowRect(window->Handle(), &r);
    return r;
  }

  TApplication application;
  test::OwnSkinData skin{true};
  std::string events;
};

TEST_F(FrameStates, MaximizeFillsTheAreaWithTheVisibleFrameAndRestoreGoesBack) {
  const struct {
    bool fullScreen;
    RECT expected;
  } cases[] = {{false, {4, 32, 1917, 1037}}, {true, {4, 32, 1917, 1077}}};
  for (const auto& c : cases) {
    auto form = NewForm<TForm>();
    TskSkinForm* skinForm = Skin(*form);
    skinForm->MaximizeOnFullScreen = c.fullScreen;
    events.clear();
    skinForm->SetWindowState(wsMaximized);
    EXPECT_EQ(skinForm->WindowState(), wsMaximized);
    EXPECT_EQ(form->BoundsRect(), c.expected) << "full screen " << c.fullScreen;
    EXPECT_EQ(WindowRect(*skinForm, lsTop).left, 4 - 18) << "the frame follows";
    EXPECT_EQ(WindowRect(*skinForm, lsTop).top, 32 - 46);
    EXPECT_EQ(skinForm->NormalBounds(), kBounds);

    skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(form->BoundsRect(), kBounds);
    EXPECT_EQ(WindowRect(*skinForm, lsTop).left, kBounds.left - 18);
    EXPECT_EQ(skinForm->NormalBounds(), RECT{}) << "forgotten once restored";
    EXPECT_EQ(events, "maximize restore ");
  }
}

TEST_F(FrameStates, MinimizedFormsTakeTheFreeSlotsAlongTheBottomAndComeBack) {
  auto first = NewForm<TForm>();
  auto second = NewForm<TForm>();
  TskSkinForm* firstSkin = Skin(*first);
  TskSkinForm* secondSkin = Skin(*second);
  firstSkin->SetWindowState(wsMinimized);
  secondSkin->SetWindowState(wsMinimized);

  const SIZE size{200, 10};
  const FrameMargins margins{4, 32, 3, 3};
  const RECT work{0, 0, 1920, 1040};
  const POINT slot = MinimizedPlace(work, size, {}, true, margins, 0);
  const POINT taken[] = {slot};
  const POINT next = MinimizedPlace(work, size, taken, true, margins, 0);
  EXPECT_EQ(first->BoundsRect(), (RECT{slot.x, slot.y, slot.x + 200, slot.y + 10}));
  EXPECT_EQ(second->BoundsRect(), (RECT{next.x, next.y, next.x + 200, next.y + 10}));
  EXPECT_EQ(next.x, slot.x + 200);
  EXPECT_EQ(events, "minimize minimize ");

  firstSkin->SetWindowState(wsNormal);
  EXPECT_EQ(first->BoundsRect(), kBounds);
  EXPECT_TRUE(firstSkin->LayerBorder().LayerVisible());
}

TEST_F(FrameStates, MinimizingTheMainFormHidesTheApplicationAndTheSystemRestoreBringsItBack) {
  application.SetMainFormOnTaskBar(true);
  TForm* main = application.CreateForm<TForm>();
  TskSkinForm* skinForm = Skin(*main);
  skinForm->SetWindowState(wsMinimized);
  EXPECT_EQ(skinForm->WindowState(), wsNormal) << "the main form keeps its state";
  EXPECT_FALSE(main->Visible());
  EXPECT_FALSE(skinForm->LayerBorder().LayerVisible());
  EXPECT_EQ(main->BoundsRect(), kBounds);

  SendMessage(main->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(test::RunApplicationUntil(application, [skinForm] { return !skinForm->ShowPending(); }));
  EXPECT_TRUE(main->Visible());
  EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
  EXPECT_EQ(skinForm->LayerBorder().LayerAlpha(), 255);
  EXPECT_EQ(events, "minimize restore ");
}

TEST_F(FrameStates, RollUpKeepsTheHeightItCameFrom) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form);
  skinForm->SetRollUp(true);
  EXPECT_TRUE(skinForm->RolledUp());
  EXPECT_EQ(form->Height(), skinForm->GetMinHeight());
  EXPECT_EQ(form->Height(), 10);
  // Asking again must not take the rolled-up height as the one to return to.
  skinForm->SetRollUp(true);
  skinForm->SetRollUp(false);
  EXPECT_FALSE(skinForm->RolledUp());
  EXPECT_EQ(form->BoundsRect(), kBounds);
  EXPECT_EQ(events, "rollup rollup ");

  skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu});
  skinForm->ToggleRollUp();
  EXPECT_FALSE(skinForm->RolledUp()) << "only with the roll-up border icon";
}

TEST_F(FrameStates, FirstShowCentresAsPositionInMonitorAsks) {
  const struct {
    TskPositionInMonitor position;
    POINT expected;
  } cases[] = {{skpDefault, {300, 200}}, {skpScreenCenter, {760, 390}}, {skpDesktopCenter, {760, 370}}};
  for (const auto& c : cases) {
    auto form = NewForm<TForm>();
    TskSkinForm* skinForm = Skin(*form, false);
    form->SetBounds(300, 200, 400, 300);
    skinForm->PositionInMonitor = c.position;
    Show(*form, *skinForm);
    EXPECT_EQ(form->BoundsRect(), (RECT{c.expected.x, c.expected.y, c.expected.x + 400, c.expected.y + 300}))
        << "position " << c.position;
    EXPECT_FALSE(skinForm->FirstShowPending());
  }
}

TEST_F(FrameStates, AFormShownMaximizedIsCentredAtItsFirstRestore) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form, false);
  form->SetBounds(300, 200, 400, 300);
  skinForm->PositionInMonitor = skpScreenCenter;
  skinForm->SetWindowState(wsMaximized);
  Show(*form, *skinForm);
  EXPECT_EQ(form->BoundsRect(), (RECT{4, 32, 1917, 1037}));
  EXPECT_TRUE(skinForm->FirstShowPending());
  skinForm->SetWindowState(wsNormal);
  EXPECT_EQ(form->BoundsRect(), (RECT{760, 390, 1160, 690}));
  EXPECT_FALSE(skinForm->FirstShowPending());
}

TEST_F(FrameStates, QuickShowKeepsFormAndFrameInvisibleUntilTheShowTimer) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form, false);
  const Surface before = ComposeScreen();
  // A pixel of the form and one of the frame's border above it.
  const POINT inForm{kBounds.left + 100, kBounds.top + 60};
  const POINT inFrame{kBounds.left + 100, kBounds.top - 20};
  form->Show();
  ASSERT_TRUE(skinForm->ShowPending());
  EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
  const Surface hidden = ComposeScreen();
  EXPECT_EQ(hidden.At(inForm.x, inForm.y), before.At(inForm.x, inForm.y));
  EXPECT_EQ(hidden.At(inFrame.x, inFrame.y), before.At(inFrame.x, inFrame.y));

  ASSERT_TRUE(test::RunApplicationUntil(application, [skinForm] { return !skinForm->ShowPending(); }));
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_EXSTYLE) & LONG(WS_EX_LAYERED), 0);
  EXPECT_EQ(skinForm->LayerBorder().LayerAlpha(), 255);
  const Surface shown = ComposeScreen();
  EXPECT_NE(shown.At(inForm.x, inForm.y), before.At(inForm.x, inForm.y));
  EXPECT_NE(shown.At(inFrame.x, inFrame.y), before.At(inFrame.x, inFrame.y));
}

TEST_F(FrameStates, FadingShowsEndAtTheFormsOpacity) {
  const struct {
    const char* name;
    bool alphaBlend, animation;
    int frameAlpha;
    bool staysLayered;
  } cases[] = {
      {"animation: opaque at the end", false, true, 255, false},
      {"alpha blend 128 without animation", true, false, 128, true},
      {"alpha blend 128 with animation", true, true, 128, true},
  };
  for (const auto& c : cases) {
    auto form = NewForm<TForm>();
    TskSkinForm* skinForm = Skin(*form, false);
    skinForm->SetAlphaBlendValue(128);
    skinForm->SetAlphaBlend(c.alphaBlend);
    skinForm->AlphaBlendAnimation = c.animation;
    Show(*form, *skinForm);
    EXPECT_EQ(skinForm->LayerBorder().LayerAlpha(), c.frameAlpha) << c.name;
    EXPECT_EQ((GetWindowLong(form->Handle(), GWL_EXSTYLE) & LONG(WS_EX_LAYERED)) != 0, c.staysLayered) << c.name;
  }
}

TEST_F(FrameStates, AFormHiddenBeforeItsShowTimerKeepsNoTransparencyOfThatShow) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form, false);
  const Surface before = ComposeScreen();
  const POINT inForm{kBounds.left + 100, kBounds.top + 60};
  form->Show();
  ASSERT_TRUE(skinForm->ShowPending());
  form->Hide();
  EXPECT_FALSE(skinForm->ShowPending());
  EXPECT_EQ(GetWindowLong(form->Handle(), GWL_EXSTYLE) & LONG(WS_EX_LAYERED), 0);

  // Shown again without its layered frame, nothing makes it opaque later.
  SendMessage(form->Handle(), SKM_SUSPENDLAYERED, 0, 0);
  Show(*form, *skinForm);
  EXPECT_NE(ComposeScreen().At(inForm.x, inForm.y), before.At(inForm.x, inForm.y));
  SendMessage(form->Handle(), SKM_RESUMELAYERED, 0, 0);
  EXPECT_EQ(skinForm->LayerBorder().LayerAlpha(), 255) << "the frame comes back opaque";
}

TEST_F(FrameStates, ASuspendedLayeredFrameStaysAwayUntilResumed) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form);
  SendMessage(form->Handle(), SKM_SUSPENDLAYERED, 0, 0);
  EXPECT_FALSE(skinForm->LayeredActive());
  form->Hide();
  Show(*form, *skinForm);
  EXPECT_FALSE(skinForm->LayerBorder().LayerVisible());
  SendMessage(form->Handle(), SKM_RESUMELAYERED, 0, 0);
  EXPECT_TRUE(skinForm->LayeredActive());
  EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
  EXPECT_EQ(skinForm->LayerBorder().LayerAlpha(), 255);
  EXPECT_EQ(WindowRect(*skinForm, lsTop).left, kBounds.left - 18);
}

TEST_F(FrameStates, MinimizeToTrayAndBackThroughTheIcon) {
  TForm* main = application.CreateForm<TForm>();
  TskSkinForm* skinForm = Skin(*main);
  TskTrayIcon icon(nullptr);
  skinForm->SetTrayIcon(&icon);
  EXPECT_FALSE(icon.Visible());
  ASSERT_EQ(icon.PopupMenu.size(), 3u) << "the frame's tray menu";
  const struct {
    bool alwaysShow;
    bool iconAfterRestore;
  } rounds[] = {{false, false}, {true, true}};
  for (const auto& r : rounds) {
    skinForm->AlwaysShowInTray = r.alwaysShow;
    events.clear();
    skinForm->MinimizeToTray();
    EXPECT_FALSE(main->Visible());
    EXPECT_TRUE(icon.MinimizedToTray);
    EXPECT_TRUE(icon.Visible()) << "the way back";

    icon.Click();
    ASSERT_TRUE(test::RunApplicationUntil(application, [skinForm] { return !skinForm->ShowPending(); }));
    EXPECT_TRUE(main->Visible());
    EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
    EXPECT_FALSE(icon.MinimizedToTray);
    EXPECT_EQ(icon.Visible(), r.iconAfterRestore) << "AlwaysShowInTray " << r.alwaysShow;
    EXPECT_EQ(events, "to-tray from-tray ");
  }
  delete skinForm;
  EXPECT_FALSE(icon.OnClick) << "nothing of the component stays reachable from the icon";
  EXPECT_TRUE(icon.PopupMenu.empty());
}

TEST_F(FrameStates, WithoutATrayIconMinimizingToTheTrayChangesNothing) {
  auto form = NewForm<TForm>();
  TskSkinForm* skinForm = Skin(*form);
  auto icon = std::make_unique<TskTrayIcon>(nullptr);
  skinForm->SetTrayIcon(icon.get());
  icon.reset();
  EXPECT_EQ(skinForm->TrayIcon(), nullptr) << "cleared when the icon goes";

  skinForm->AlwaysMinimizeToTray = true;
  skinForm->ExecuteCommand(TskStdCommand::cmMinimize);
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(skinForm->WindowState(), wsNormal);
  EXPECT_EQ(form->BoundsRect(), kBounds);
  EXPECT_EQ(events, "");
}

}  // namespace
}  // namespace qb
