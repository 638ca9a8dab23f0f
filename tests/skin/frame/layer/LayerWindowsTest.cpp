#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/backend/RawInput.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowApi.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "skin/frame/TskSkinForm.h"
#include "skin/frame/TskSkinStdButtonObject.h"
#include "skin/frame/TskSystemMenu.h"
#include "tests/skin/frame/RectPrinting.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// The picture pixel (straight alpha) laid over an opaque screen pixel.
std::uint32_t Over(std::uint32_t picture, std::uint32_t below) {
  const std::uint32_t a = Channel(picture, 24);
  std::uint32_t out = 0xFF000000u;
  for (int shift : {0, 8, 16}) {
    const std::uint32_t premultiplied = (Channel(picture, shift) * a + 127) / 255;
    out |= (premultiplied + (Channel(below, shift) * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

void ExpectNear(std::uint32_t actual, std::uint32_t expected, const char* where) {
  for (int shift : {0, 8, 16}) {
    const int d = int(Channel(actual, shift)) - int(Channel(expected, shift));
    EXPECT_LE(std::abs(d), 2) << where << std::hex << ": actual 0x" << actual << ", expected 0x" << expected;
  }
}

// A shown 200 × 30 form at (500, 300) under a magnetic frame component with
// our skin, so with the layered frame around it. Close requests are counted,
// not carried out.
class LayerWindows : public ::testing::Test {
 protected:
  LayerWindows() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(500, 300, 200, 30);
    form->SetCaption(u"quillbrook");
    test::CountCloseRequests(*form, closeRequests);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->Magnetic = true;
    skinForm->SetSkinData(skin.data.get());
    form->SetBounds(500, 300, 200, 30);
    form->Show();
    test::RunApplicationUntil(application, [this] { return !skinForm->ShowPending(); });
    border = &skinForm->LayerBorder();
  }
  ~LayerWindows() override {
    DeliverButton(MouseButton::kLeft, false);
    DeliverPointerMove({1900, 1000});
    test::ProcessPending(application);
  }

  RECT WindowRect(TskLayerSide side) const {
    RECT r{};
    GetWindowRect(border->Window(side)->Handle(), &r);
    return r;
  }
  const TskBitmap& Picture() const { return *skin.data->LayerFrame().ActiveImage; }
  std::uint32_t PicturePixel(int x, int y) const { return Picture().ScanLine(y)[x]; }
  void MoveTo(POINT screen) {
    DeliverPointerMove(screen);
    test::ProcessPending(application);
  }
  void Button(bool down) {
    DeliverButton(MouseButton::kLeft, down);
    test::ProcessPending(application);
  }

  TApplication application;
  test::OwnSkinData skin{true};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
  TskFormLayerBorder* border = nullptr;
  int closeRequests = 0;
};

TEST_F(LayerWindows, ShowPlacesFourWindowsAndComposesThePicture) {
  ASSERT_TRUE(border->LayerVisible()) << "shown with the form";
  border->HideLayer();
  const Surface before = ComposeScreen();
  border->ShowLayer();
  test::ProcessPending(application);
  ASSERT_TRUE(border->LayerVisible());
  const struct {
    TskLayerSide side;
    RECT expected;
  } places[] = {
      {lsTop, {482, 254, 718, 300}},
      {lsBottom, {482, 328, 718, 348}},
      {lsLeft, {482, 300, 500, 328}},
      {lsRight, {700, 300, 718, 328}},
  };
  for (const auto& p : places) {
    const RECT r = WindowRect(p.side);
    EXPECT_EQ(r.left, p.expected.left) << p.side;
    EXPECT_EQ(r.top, p.expected.top) << p.side;
    EXPECT_EQ(r.right, p.expected.right) << p.side;
    EXPECT_EQ(r.bottom, p.expected.bottom) << p.side;
    EXPECT_TRUE(IsWindowVisible(border->Window(p.side)->Handle()));
  }

  // Corners are copied pixel for pixel; the right corner keeps its distance
  // from the right edge. The outer frame starts at (482, 254), 236 wide.
  const Surface after = ComposeScreen();
  const struct {
    const char* where;
    int pictureX, pictureY, screenX, screenY;
  } pixels[] = {
      {"top-left corner, in the border", 16, 20, 482 + 16, 254 + 20},
      {"top-left corner, in the shadow", 5, 5, 482 + 5, 254 + 5},
      {"top-right corner", 160, 30, 482 + 236 - (173 - 160), 254 + 30},
      {"left strip", 15, 60, 482 + 15, 254 + 60 - 0},
      {"bottom-right corner", 156, 120, 482 + 236 - (173 - 156), 254 + 94 - (133 - 120)},
  };
  for (const auto& p : pixels)
    ExpectNear(after.At(p.screenX, p.screenY), Over(PicturePixel(p.pictureX, p.pictureY), before.At(p.screenX, p.screenY)),
               p.where);

  if (const char* folder = std::getenv("QB_SCREENSHOT_DIR"))
    WriteScreenPng(std::filesystem::path(folder) / "layered-frame.png");

  border->HideLayer();
  EXPECT_EQ(border->Window(lsTop), nullptr);
  EXPECT_EQ(ComposeScreen().At(482 + 16, 254 + 20), before.At(482 + 16, 254 + 20));
}

TEST(ScaleAlpha, RoundsHalvesToEven) {
  const struct {
    int value, factor, expected;
  } cases[] = {{255, 0, 0}, {255, 255, 255}, {128, 255, 128}, {255, 128, 128}, {1, 128, 1}, {3, 85, 1}, {200, 51, 40}};
  for (const auto& c : cases) EXPECT_EQ(ScaleAlpha(c.value, c.factor), c.expected) << c.value << " x " << c.factor;
  // 255 × 0.5 = 127.5 cannot occur with integer factors; 51 × 5 / 255 = 1
  // exactly, 1 × 127.5 / 255 = 0.5 rounds to 0.
  EXPECT_EQ(ScaleAlpha(2, 191), 1) << "1.498 rounds down";
}

TEST_F(LayerWindows, ScaleLayerAlphaToZeroAndBackRestoresTheRecordsValues) {
  border->HideLayer();
  const Surface before = ComposeScreen();
  border->ShowLayer();
  test::ProcessPending(application);
  const Surface shown = ComposeScreen();
  border->ScaleLayerAlpha(0, true);
  EXPECT_EQ(border->LayerAlpha(), 0);
  EXPECT_EQ(border->LayerInactiveAlpha(), 0);
  test::ProcessPending(application);
  EXPECT_EQ(ComposeScreen().At(498, 274), before.At(498, 274)) << "the frame disappears";
  border->ScaleLayerAlpha(255, true);
  EXPECT_EQ(border->LayerAlpha(), skin.data->LayerFrame().alphablendvalue);
  EXPECT_EQ(border->LayerInactiveAlpha(), skin.data->LayerFrame().inactivealphablendvalue);
  test::ProcessPending(application);
  EXPECT_EQ(ComposeScreen().At(498, 274), shown.At(498, 274)) << "and comes back as it was";
}

TEST_F(LayerWindows, FadeInEndsAtTheRecordsAlpha) {
  border->HideLayer();
  border->FadeInLayer();
  EXPECT_TRUE(border->LayerVisible());
  EXPECT_EQ(border->LayerAlpha(), skin.data->LayerFrame().alphablendvalue);
  ASSERT_NE(border->Window(lsTop), nullptr);
  EXPECT_TRUE(IsWindowVisible(border->Window(lsTop)->Handle()));
}

std::vector<std::uint32_t> StripPixels(const TskBitmap& strip) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < strip.Height(); ++y) pixels.insert(pixels.end(), strip.ScanLine(y), strip.ScanLine(y) + strip.Width());
  return pixels;
}

// A size passed through and left again or a repeated update keeps the
// strips; a change of size, caption or activation shows on them.
TEST_F(LayerWindows, TheStripsAreBuiltAgainExactlyWhenWhatTheyShowChanges) {
  const TskBitmap* kept = border->Strip(lsTop);
  const Surface shown = ComposeScreen();
  border->UpdateLayer();
  skinForm->ForceRelayout();
  test::ProcessPending(application);
  EXPECT_EQ(border->Strip(lsTop), kept);
  EXPECT_EQ(ComposeScreen().At(482 + 16, 254 + 20), shown.At(482 + 16, 254 + 20));

  const struct {
    const char* what;
    std::function<void()> change;
  } changes[] = {
      {"caption", [this] { form->SetCaption(u"Quillbrook – anders"); }},
      {"deactivation", [this] { SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0); }},
      {"activation", [this] { SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0); }},
      {"width", [this] { form->SetWidth(210); }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint32_t> before = StripPixels(*border->Strip(lsTop));
    c.change();
    test::ProcessPending(application);
    border->UpdateLayer();
    EXPECT_NE(StripPixels(*border->Strip(lsTop)), before);
  }
  EXPECT_EQ(border->Strip(lsTop)->Width(), 246);
}

TEST_F(LayerWindows, DeactivationTakesTheHoverFromTheCloseButton) {
  const RECT top = WindowRect(lsTop);
  MoveTo({top.left + 215 - 8, top.top + 28});
  ASSERT_NE(border->LayerHotIndex(), -1);
  const TskActiveSkinObject& hot = *skinForm->FrameObjects()[border->LayerHotIndex()];
  EXPECT_TRUE(hot.MouseIn);
  std::vector<std::u16string> left;
  skinForm->OnMouseLeaveEvent = [&left](const std::u16string& idName) { left.push_back(idName); };
  // The frame component clears its activation flag before it hands the
  // deactivation on.
  SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(border->LayerActive());
  EXPECT_EQ(border->LayerHotIndex(), -1);
  EXPECT_FALSE(hot.MouseIn);
  EXPECT_EQ(left, std::vector<std::u16string>{hot.IDName}) << "the hot object hears that the mouse left it";
  SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(border->LayerActive());
}

TEST_F(LayerWindows, CaptionDragSnapsTheVisibleFrameToTheWorkAreaAndTheFrameFollows) {
  RECT work{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  const POINT start{600, 280};
  MoveTo(start);
  Button(true);
  EXPECT_EQ(border->Window(lsTop)->Zone, lzCaption);
  EXPECT_TRUE(border->Window(lsTop)->Dragging);

  MoveTo({start.x + 10, 200});
  EXPECT_EQ(form->Left(), 510);
  EXPECT_EQ(form->Top(), 220);

  // The visible frame's top would be 3 below the work area's top: it snaps,
  // so the form ends 32 pixels below it.
  MoveTo({start.x + 10, int(work.top) + 15});
  EXPECT_EQ(form->Top(), work.top + 32);
  EXPECT_EQ(WindowRect(lsTop).top, form->Top() - 46) << "the frame follows the form";
  EXPECT_EQ(WindowRect(lsLeft).top, form->Top());
  EXPECT_EQ(WindowRect(lsBottom).left, form->Left() - 18);

  Button(false);
  EXPECT_FALSE(border->Window(lsTop)->Dragging);
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(LayerWindows, MovesAndTheReleaseQueuedWhileADragStepRunsAllReachTheDrag) {
  // A busy program handles the pointer in batches: every step of this drag
  // is queued before the first one is handled.
  POINT cursor{600, 280};
  MoveTo(cursor);
  Button(true);
  for (int step = 0; step < 5; ++step) {
    cursor.x -= 10;
    cursor.y -= 5;
    DeliverPointerMove(cursor);
  }
  DeliverButton(MouseButton::kLeft, false);
  test::ProcessPending(application);
  EXPECT_FALSE(border->Window(lsTop)->Dragging);
  EXPECT_EQ(form->Left(), 450);
  EXPECT_EQ(form->Top(), 275);
  EXPECT_EQ(WindowRect(lsTop).left, 450 - 18) << "the frame follows the form";
}

TEST_F(LayerWindows, ClickOnTheCloseButtonClosesTheFormOnRelease) {
  const TskActiveSkinObject* close = nullptr;
  for (const auto& object : skinForm->FrameObjects()) {
    auto* button = dynamic_cast<const TskSkinStdButtonObject*>(object.get());
    if (button != nullptr && button->Command == TskStdCommand::cmClose) close = button;
  }
  ASSERT_NE(close, nullptr);
  const RECT top = WindowRect(lsTop);
  const RECT r = close->ObjectRect;
  EXPECT_EQ(r.right, 152 + 63) << "against the caption's right end";
  EXPECT_EQ(r.top, 21);
  MoveTo({top.left + (r.left + r.right) / 2, top.top + (r.top + r.bottom) / 2});
  Button(true);
  EXPECT_EQ(border->Window(lsTop)->Zone, lzObject);
  EXPECT_FALSE(border->Window(lsTop)->Dragging);
  EXPECT_EQ(closeRequests, 0) << "nothing before the release";
  Button(false);
  EXPECT_EQ(closeRequests, 1);
}

TEST_F(LayerWindows, RightClickOnTheCaptionOpensTheSystemMenuAtTheCursor) {
  const struct {
    bool disableSystemMenu;
    bool opens;
  } cases[] = {{false, true}, {true, false}};
  const POINT caption{600, 280};
  for (const auto& c : cases) {
    skinForm->DisableSystemMenu = c.disableSystemMenu;
    MoveTo(caption);
    ASSERT_EQ(border->Window(lsTop)->Zone, lzCaption);
    DeliverButton(MouseButton::kRight, true);
    DeliverButton(MouseButton::kRight, false);
    test::ProcessPending(application);
    TskSystemMenu& menu = skinForm->SystemMenu();
    EXPECT_EQ(menu.IsOpen(), c.opens) << "DisableSystemMenu " << c.disableSystemMenu;
    if (c.opens) {
      const HWND under = WindowFromPoint(POINT{caption.x + 3, caption.y + 3});
      EXPECT_NE(under, border->Window(lsTop)->Handle()) << "the menu lies over the caption, at the cursor";
      EXPECT_NE(under, form->Handle());
    }
    menu.Close();
  }
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(LayerWindows, AltSpaceOpensTheSystemMenuOnlyUnderAVisibleSystemMenuButtonAndIsConsumedEitherWay) {
  int sysChars = 0;
  TWndMethod procedure = form->WindowProc;
  form->WindowProc = [&sysChars, procedure](TMessage& message) {
    if (message.Msg == WM_SYSCHAR || (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_KEYMENU))
      ++sysChars;
    procedure(message);
  };
  const struct {
    TskBorderIcons icons;
    bool opens;
  } cases[] = {{TskBorderIcons{}, false}, {TskBorderIcons{TskBorderIcon::biSystemMenu}, true}};
  for (const auto& c : cases) {
    skinForm->SetBorderIcons(c.icons);
    DeliverKey(VK_MENU, true);
    DeliverKey(VK_SPACE, true);
    DeliverKey(VK_SPACE, false);
    DeliverKey(VK_MENU, false);
    test::ProcessPending(application);
    TskSystemMenu& menu = skinForm->SystemMenu();
    EXPECT_EQ(menu.IsOpen(), c.opens) << "system-menu button " << c.opens;
    EXPECT_EQ(sysChars, 0) << "the key never reaches the window";
    if (c.opens) {
      const TskActiveSkinObject* button = skinForm->FindObject(u"sysmenubutton");
      ASSERT_NE(button, nullptr);
      // Below the button on the top layer window, not at the form's corner.
      const RECT top = WindowRect(lsTop);
      const POINT corner{top.left + button->ObjectRect.left, top.top + button->ObjectRect.bottom};
      const HWND under = WindowFromPoint(POINT{corner.x + 2, corner.y + 2});
      EXPECT_NE(under, border->Window(lsTop)->Handle());
      EXPECT_NE(under, form->Handle());
    }
    menu.Close();
  }
}

TEST_F(LayerWindows, DoubleClickOnTheCaptionMaximizesOrRollsUpWhereTheFormAllowsIt) {
  const struct {
    const char* name;
    bool resizable;
    TskBorderIcons icons;
    TWindowState state;
    bool rolledUp;
  } cases[] = {
      {"neither resizable nor rolling up: nothing", false, TskBorderIcons{}, wsNormal, false},
      {"resizable with a maximize button", true, TskBorderIcons{TskBorderIcon::biMaximize}, wsMaximized, false},
      {"not resizable, may roll up", false, TskBorderIcons{TskBorderIcon::biRollUp}, wsNormal, true},
  };
  for (const auto& c : cases) {
    skinForm->AlwaysResize = c.resizable;
    skinForm->SetBorderIcons(c.icons);
    MoveTo({600, 280});
    for (int click = 0; click < 2; ++click) {
      Button(true);
      Button(false);
    }
    EXPECT_EQ(skinForm->WindowState(), c.state) << c.name;
    EXPECT_EQ(skinForm->RolledUp(), c.rolledUp) << c.name;
    skinForm->SetWindowState(wsNormal);
    skinForm->SetRollUp(false);
    EXPECT_EQ(form->BoundsRect(), (RECT{500, 300, 700, 330})) << c.name;
  }
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(LayerWindows, DraggingTheBottomRightCornerResizesTheFormAndTheFrameFollows) {
  skinForm->AlwaysResize = true;
  // The frame's outer corner: 3 right of and 3 below the form.
  const POINT corner{500 + 200 + 3 - 1, 300 + 30 + 3 - 1};
  MoveTo(corner);
  Button(true);
  EXPECT_EQ(border->Window(lsBottom)->Zone, lzBottomRight);
  MoveTo({corner.x + 40, corner.y + 20});
  MoveTo({corner.x + 60, corner.y + 25});
  Button(false);
  EXPECT_EQ(form->BoundsRect(), (RECT{500, 300, 760, 355})) << "the opposite edges stay";
  EXPECT_EQ(WindowRect(lsBottom), (RECT{482, 355 - 2, 778, 355 - 2 + 20}));
  EXPECT_EQ(WindowRect(lsRight).left, 760);
  EXPECT_EQ(WindowRect(lsRight).bottom - WindowRect(lsRight).top, 55 - 2) << "the sides take the new height";
  EXPECT_EQ(WindowRect(lsTop).right - WindowRect(lsTop).left, 260 + 36);
}

}  // namespace
}  // namespace qb
