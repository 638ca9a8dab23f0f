#include <gtest/gtest.h>

#include "platform/backend/RawInput.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/region/RegionHandle.h"
#include "platform/window/DefaultFrame.h"
#include "platform/window/InputApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowApi.h"
#include "skin/data/DibPixel.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinHint.h"
#include "skin/frame/TskSystemMenu.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/controls/TButton.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

bool HasShape(HWND hwnd) {
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(hwnd, probe) != ERROR;
  DeleteObject(probe);
  return shaped;
}

// A shown form at (100, 100), 300 × 150, under a frame component with the
// program's skin and no layered frame, so that the window draws its own
// skinned frame. Close requests are counted, not carried out.
class SkinnedWindow : public ::testing::Test {
 protected:
  SkinnedWindow() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(100, 100, 300, 150);
    form->SetCaption(u"quillbrook");
    test::CountCloseRequests(*form, closeRequests);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->SetSkinData(skin.data.get());
    form->Show();
    test::ProcessPending(application);
  }
  ~SkinnedWindow() override {
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
  // A right click at the screen point; the system menu it may open.
  TskSystemMenu& RightClick(POINT screen) {
    MoveTo(screen);
    DeliverButton(MouseButton::kRight, true);
    DeliverButton(MouseButton::kRight, false);
    test::ProcessPending(application);
    return skinForm->SystemMenu();
  }
  POINT ScreenPointOf(const RECT& frameRect) const {
    return POINT{form->Left() + (frameRect.left + frameRect.right) / 2, form->Top() + (frameRect.top + frameRect.bottom) / 2};
  }
  std::uint32_t PicturePixel(const TBitmap& picture, int x, int y) const {
    return DibPixel(picture.Image(), x, y) & 0x00FFFFFFu;
  }

  TApplication application;
  test::OwnSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
  int closeRequests = 0;
};

TEST_F(SkinnedWindow, ClientAreaLiesInsideTheSkinsFrameAndTheMaskShapesTheWindow) {
  EXPECT_EQ(form->ClientWidth(), 300 - 3 - 3);
  EXPECT_EQ(form->ClientHeight(), 150 - 26 - 3);
  EXPECT_TRUE(HasShape(form->Handle()));
}

TEST_F(SkinnedWindow, AnswersHitTestsFromTheSkin) {
  HWND hwnd = form->Handle();
  auto hit = [hwnd](int x, int y) { return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM_POINT(x, y)); };
  EXPECT_EQ(hit(100 + 150, 100 + 80), HTCLIENT);
  EXPECT_EQ(hit(100 + 100, 100 + 12), HTCAPTION);
  EXPECT_EQ(hit(100 + 1, 100 + 80), HTOBJECT) << "a single border is not resizable";
  const RECT close = skinForm->FindObject(u"closebutton")->ObjectRect;
  EXPECT_TRUE(skinForm->FindObject(u"closebutton")->Visible);
  EXPECT_EQ(close.right, 300 - 5) << "the caption rectangle ends 5 pixels before the right edge";
}

TEST_F(SkinnedWindow, FramePixelsComeFromTheSkinPictures) {
  const Surface shot = CaptureWindow(form->Handle());
  ASSERT_EQ(shot.Width(), 300);
  ASSERT_EQ(shot.Height(), 150);
  WriteWindowPng(form->Handle(), "skin_frame_window.png");
  const TBitmap& main = skin.data->MainPicture();
  struct Probe {
    const char* what;
    POINT window;
    POINT picture;
  };
  // Corners stay; the bottom-right corner moves with the window's size
  // (picture 285 × 210).
  const Probe probes[] = {
      {"left-top corner", {5, 12}, {5, 12}},
      {"right-top corner", {296, 12}, {281, 12}},
      {"left-bottom corner", {1, 148}, {1, 208}},
      {"right-bottom corner", {297, 147}, {282, 207}},
      {"left edge", {1, 100}, {1, 100}},
  };
  for (const Probe& p : probes) {
    SCOPED_TRACE(p.what);
    EXPECT_EQ(shot.At(p.window.x, p.window.y) & 0x00FFFFFFu, PicturePixel(main, p.picture.x, p.picture.y));
  }
  // The client background tiles the picture's client rectangle from the
  // client's top-left.
  EXPECT_EQ(shot.At(3 + 4, 26 + 4) & 0x00FFFFFFu, PicturePixel(main, 3 + 4, 26 + 4));

  const TskActiveSkinObject& close = *skinForm->FindObject(u"closebutton");
  const TskDataSkinObject& record = *skin.data->SkinObjects()[0];
  const TBitmap& buttons = *skin.data->ActivePicture(record.activepictureindex);
  const RECT look = form->Active() ? record.skinrect : record.inactiveskinrect;
  EXPECT_EQ(shot.At(close.ObjectRect.left + 8, close.ObjectRect.top + 7) & 0x00FFFFFFu,
            PicturePixel(buttons, look.left + 8, look.top + 7));
}

// The second press comes as a double click; it must not leave the button
// stuck pressed.
TEST_F(SkinnedWindow, CloseButtonClosesOnlyWhenReleasedOverIt) {
  ASSERT_TRUE(form->Active());
  const RECT close = skinForm->FindObject(u"closebutton")->ObjectRect;
  MoveTo(ScreenPointOf(close));
  Button(true);
  MoveTo({form->Left() + 150, form->Top() + 80});
  Button(false);
  EXPECT_EQ(closeRequests, 0) << "left before release";

  MoveTo(ScreenPointOf(close));
  Button(true);
  EXPECT_EQ(closeRequests, 0) << "close acts on release";
  Button(false);
  EXPECT_EQ(closeRequests, 1);
}

TEST_F(SkinnedWindow, RightClickOnTheCaptionOpensTheSystemMenuWhoseCloseItemCloses) {
  const POINT caption{form->Left() + 100, form->Top() + 12};
  TskSystemMenu& menu = RightClick(caption);
  ASSERT_TRUE(menu.IsOpen());
  ASSERT_EQ(menu.Items().size(), 1u);
  EXPECT_EQ(menu.Items()[0].Caption, u"&Close");
  EXPECT_EQ(menu.Items()[0].ShortCut, u"Alt+F4");
  MoveTo({caption.x + 30, caption.y + 10});
  Button(true);
  Button(false);
  EXPECT_FALSE(menu.IsOpen());
  EXPECT_EQ(closeRequests, 1);
}

// While the menu is open the keys are the menu's: the form's default button
// behind it hears nothing of them.
TEST_F(SkinnedWindow, TheOpenSystemMenuTakesTheKeys) {
  skinForm->SetBorderIcons(TskBorderIcons{TskBorderIcon::biMinimize, TskBorderIcon::biMaximize});
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 40, 80, 25);
  button->SetDefault(true);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  struct Case {
    std::vector<int> keys;
    std::vector<int> highlighted;  // after each key while the menu is open
    bool closes;
    int closeRequests;
  };
  // Items: Minimize, Maximize, a separator, Close.
  const Case cases[] = {
      {{VK_ESCAPE}, {}, true, 0},
      {{VK_RETURN}, {}, true, 0},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, {0, 1, 3, 0}, false, 0},
      {{VK_UP, VK_RETURN}, {3}, true, 1},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, {0, 1, 3}, true, 1},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << row);
    closeRequests = 0;
    clicks = 0;
    // Each right click somewhere else, or it would count as a double click.
    TskSystemMenu& menu = RightClick({form->Left() + 80 + 10 * row++, form->Top() + 12});
    ASSERT_TRUE(menu.IsOpen());
    ASSERT_EQ(menu.Items().size(), 4u);
    std::vector<int> highlighted;
    for (int key : c.keys) {
      DeliverKey(key, true);
      DeliverKey(key, false);
      test::ProcessPending(application);
      if (menu.IsOpen()) highlighted.push_back(menu.HotIndex());
    }
    EXPECT_EQ(highlighted, c.highlighted);
    EXPECT_EQ(!menu.IsOpen(), c.closes);
    EXPECT_EQ(closeRequests, c.closeRequests);
    EXPECT_EQ(clicks, 0) << "the default button behind the menu";
    menu.Close();
  }
}

TEST_F(SkinnedWindow, HoveringACaptionButtonShowsItsHintUntilThePointerLeaves) {
  TskSkinHint* hint = new TskSkinHint(form.get());
  skinForm->SetSkinHint(hint);
  skinForm->ShowObjectHint = true;
  const RECT close = skinForm->FindObject(u"closebutton")->ObjectRect;
  MoveTo(ScreenPointOf(close));
  test::RunApplicationUntil(application, [&] { return hint->Visible(); }, std::chrono::seconds(5));
  ASSERT_TRUE(hint->Visible());
  EXPECT_EQ(hint->Text(), u"Close");
  MoveTo({form->Left() + 150, form->Top() + 100});
  test::RunApplicationUntil(application, [&] { return !hint->Visible(); }, std::chrono::seconds(5));
  EXPECT_FALSE(hint->Visible());
}

TEST_F(SkinnedWindow, TheSystemMenuIsDrawnFromTheSkinsPopupPictureAndColours) {
  const POINT caption{form->Left() + 100, form->Top() + 12};
  TskSystemMenu& menu = RightClick(caption);
  ASSERT_TRUE(menu.IsOpen());
  const TskDataSkinPopupWindow& record = skin.data->PopupWindow();
  const TBitmap& picture = *skin.data->ActivePicture(record.windowpictureindex);
  // The pointer over the first item, which starts at the items rectangle.
  MoveTo({caption.x + record.itemsrect.left + 40, caption.y + record.itemsrect.top + 10});
  const Surface shot = CaptureWindow(menu.Window());
  WriteWindowPng(menu.Window(), "skin_frame_system_menu.png");
  // Corners outside the items rectangle are copied 1:1.
  const POINT corner{record.itemsrect.left - 1, record.itemsrect.top - 1};
  EXPECT_EQ(shot.At(corner.x, corner.y) & 0x00FFFFFFu, PicturePixel(picture, corner.x, corner.y)) << "fixed corner";
  const COLORREF highlight = ColorToRGB(skin.data->SkinColors().chighlight);
  const std::uint32_t hot = (std::uint32_t(GetRValue(highlight)) << 16) | (std::uint32_t(GetGValue(highlight)) << 8) |
                            GetBValue(highlight);
  EXPECT_EQ(shot.At(record.itemsrect.left + 2, record.itemsrect.top + 2) & 0x00FFFFFFu, hot) << "hot item";
  const int below = picture.Height() - record.itemsrect.bottom;
  EXPECT_EQ(shot.At(corner.x, shot.Height() - below) & 0x00FFFFFFu, PicturePixel(picture, corner.x, picture.Height() - below))
      << "the bottom-left corner keeps its distance from the bottom";
  menu.Close();
}

TEST_F(SkinnedWindow, DestroyingTheComponentGivesTheFormItsOwnFrameBack) {
  delete skinForm;
  test::ProcessPending(application);
  EXPECT_EQ(GetSkinForm(form.get()), nullptr);
  const DefaultFrame own = DefaultFrameFor(DWORD(GetWindowLong(form->Handle(), GWL_STYLE)));
  form->SetClientHeight(100);
  EXPECT_EQ(form->ClientHeight(), 100);
  EXPECT_EQ(form->Height(), 100 + own.caption + 2 * own.border) << "the system frame, not the skin's";
  EXPECT_FALSE(HasShape(form->Handle()));
}

// The same form without skin data: the unskinned default frame.
class UnskinnedWindow : public ::testing::Test {
 protected:
  UnskinnedWindow() {
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(100, 100, 200, 100);
    skinForm = new TskSkinForm(form.get());
    form->Show();
    test::ProcessPending(application);
  }

  TApplication application;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

TEST_F(UnskinnedWindow, ReservesTheDefaultBorderAndCaption) {
  EXPECT_FALSE(skinForm->Skinned());
  EXPECT_EQ(form->ClientWidth(), 200 - 6);
  EXPECT_EQ(form->ClientHeight(), 100 - 19 - 6);
}

TEST_F(UnskinnedWindow, LaysOutTheDefaultButtonsAndHitTestsTheDefaultFrame) {
  // Default border icons: system menu, minimize, maximize, roll-up.
  const RECT expected[] = {{180, 4, 197, 21}, {163, 4, 180, 21}, {146, 4, 163, 21}, {129, 4, 146, 21}};
  const char16_t* names[] = {u"closebutton", u"maxbutton", u"minbutton", u"rollupbutton"};
  for (int i = 0; i < 4; ++i) {
    const TskActiveSkinObject* button = skinForm->FindObject(names[i]);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ObjectRect, expected[i]);
  }
  EXPECT_FALSE(skinForm->FindObject(u"traybutton")->Visible);
  EXPECT_EQ(skinForm->FindObject(u"sysmenubutton")->ObjectRect, (RECT{3, 4, 20, 21}));

  HWND hwnd = form->Handle();
  auto hit = [hwnd](int x, int y) { return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM_POINT(100 + x, 100 + y)); };
  EXPECT_EQ(hit(0, 0), HTTOPLEFT);
  EXPECT_EQ(hit(199, 50), HTRIGHT);
  EXPECT_EQ(hit(80, 10), HTCAPTION);
  EXPECT_EQ(hit(100, 50), HTCLIENT);
  EXPECT_EQ(hit(10, 10), HTOBJECT) << "the system-menu button";
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// The program's set-up: the skin's full-border layered frame draws border,
// caption and close button around a window that is client area only. The
// form is shown at (300, 300), 250 × 120.
class LayeredFrameWindow : public ::testing::Test {
 protected:
  LayeredFrameWindow() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(300, 300, 250, 120);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->SetSkinData(skin.data.get());
    form->Show();
    test::RunApplicationUntil(application, [this] { return !skinForm->ShowPending(); });
  }
  // A test that played a display without alpha blending gives it back.
  ~LayeredFrameWindow() override { CurrentHeadlessBackend()->SetComposesAlpha(true); }

  TApplication application;
  test::OwnSkinData skin{true};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

TEST_F(LayeredFrameWindow, FormIsClientOnlyAndTheLayeredFrameFollowsIt) {
  ASSERT_TRUE(skinForm->FullBorderActive());
  EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
  EXPECT_EQ(form->ClientWidth(), form->Width());
  EXPECT_EQ(form->ClientHeight(), form->Height());
  EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM_POINT(310, 310)), HTCLIENT);

  form->SetBounds(320, 330, 250, 120);
  test::ProcessPending(application);
  RECT top{};
  GetWindowRect(skinForm->LayerBorder().Window(lsTop)->Handle(), &top);
  EXPECT_LT(top.bottom, 330 + 1) << "the top strip sits above the moved form";
  EXPECT_GT(top.right, 320);

  form->Hide();
  test::ProcessPending(application);
  EXPECT_FALSE(skinForm->LayerBorder().LayerVisible());
}

// A display that does not blend per-pixel alpha would show the layered
// frame's soft shadow as a solid dark band: the window then draws its own
// skinned frame where the visible frame was, and gets the layered one back
// once alpha is blended again.
TEST_F(LayeredFrameWindow, WithoutAlphaBlendingTheWindowDrawsItsOwnFrameInstead) {
  ASSERT_TRUE(skinForm->LayerBorder().LayerVisible());
  HeadlessBackend& display = *CurrentHeadlessBackend();
  const std::uint32_t desktop = PixelFromColor(GetSysColor(COLOR_BACKGROUND)) | 0xFF000000u;

  display.SetComposesAlpha(false);
  test::ProcessPending(application);
  EXPECT_FALSE(skinForm->LayerBorder().LayerVisible());
  // The visible frame's place (margins 4, 32, 3, 3 around the form) is now
  // the window's, and the skin's own frame (3, 26, 3, 3) surrounds its client.
  EXPECT_EQ((RECT{form->Left(), form->Top(), form->Left() + form->Width(), form->Top() + form->Height()}),
            (RECT{296, 268, 553, 423}));
  EXPECT_EQ(form->ClientWidth(), form->Width() - 6);
  EXPECT_EQ(form->ClientHeight(), form->Height() - 29);
  const Surface screen = ComposeScreen();
  EXPECT_EQ(screen.At(290, 350), desktop) << "where the shadow was";
  const Surface window = CaptureWindow(form->Handle());
  EXPECT_EQ(window.At(1, 60) & 0xFFFFFFu, DibPixel(skin.data->MainPicture().Image(), 1, 60) & 0xFFFFFFu)
      << "the skin's own left border";

  display.SetComposesAlpha(true);
  test::RunApplicationUntil(application, [this] { return skinForm->LayerBorder().LayerVisible(); });
  EXPECT_TRUE(skinForm->LayerBorder().LayerVisible());
  EXPECT_EQ(form->ClientWidth(), form->Width());
  EXPECT_EQ(form->ClientHeight(), form->Height());
}

}  // namespace
}  // namespace qb
