#include <gtest/gtest.h>

#include <cmath>

#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/TskClientInActivePanel.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/controls/TCustomControl.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A row of grey pixels (one level for all three channels).
void MakeGreyRow(TskBitmap& row, const std::vector<std::uint32_t>& levels) {
  row.SetSize(int(levels.size()), 1);
  for (int x = 0; x < int(levels.size()); ++x) row.SetPixel(x, 0, 0xFF000000u | levels[std::size_t(x)] * 0x010101u);
}

std::vector<std::uint32_t> GreyLevels(const TskBitmap& row) {
  std::vector<std::uint32_t> levels;
  for (int x = 0; x < row.Width(); ++x) levels.push_back(row.ScanLine(0)[x] & 0xFFu);
  return levels;
}

TEST(InActiveClientLook, FadesThePictureAtAlpha170OverTheErasedBackground) {
  TskBitmap snapshot, background;
  MakeGreyRow(snapshot, {255, 0, 100, 40});
  MakeGreyRow(background, {0, 255, 200, 40});
  MakeInActiveClientLook(snapshot, background, skieSemiTransparent);
  // (s × 170 + b × 85) / 255, rounded.
  EXPECT_EQ(GreyLevels(snapshot), (std::vector<std::uint32_t>{170, 85, 133, 40}));
}

TEST(InActiveClientLook, BlursThePictureWithRadius3) {
  TskBitmap snapshot, background;
  MakeGreyRow(snapshot, {0, 0, 0, 0, 255, 0, 0, 0, 0});
  MakeInActiveClientLook(snapshot, background, skieBlur);
  // Weights 1, 2, 3, 4, 3, 2, 1 over 16, truncated; one row keeps its values
  // through the vertical pass.
  EXPECT_EQ(GreyLevels(snapshot), (std::vector<std::uint32_t>{0, 15, 31, 47, 63, 47, 31, 15, 0}));
}

// A control that paints itself in one colour.
class SolidControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TColor Colour = clRed;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Colour);
    Canvas().FillRect(ClientRect());
  }
};

// A shown skinned form at (100, 100) with a red control in its client area
// and the inactive cover switched on.
class InActiveCover : public ::testing::Test {
 protected:
  InActiveCover() {
    form->SetBorderStyle(bsSingle);
    form->SetBounds(100, 100, 300, 150);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetSkinData(skin.data.get());
    skinForm->ClientInActiveEffect = true;
    auto* control = new SolidControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(10, 10, 20, 20);
    form->Show();
    test::ProcessPending(application);
  }

  TApplication application;
  test::OwnSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

TEST_F(InActiveCover, DeactivationCoversTheClientAreaWithTheFadedPictureAndActivationRemovesIt) {
  form->Perform(WM_NCACTIVATE, FALSE, 0);
  test::ProcessPending(application);
  TskClientInActivePanel* cover = skinForm->InActivePanel();
  ASSERT_NE(cover, nullptr);
  const RECT client = form->ClientRect();
  EXPECT_EQ((RECT{cover->Left(), cover->Top(), cover->Left() + cover->Width(), cover->Top() + cover->Height()}), client);

  TskBitmap background;
  background.SetSize(Width(client), Height(client));
  skinForm->PaintClientBackground(background.DC());
  const std::uint32_t below = background.ScanLine(20)[20];
  const std::uint32_t red = 0xFF0000u;
  const std::uint32_t shown = cover->Look().ScanLine(20)[20];
  for (int shift : {0, 8, 16}) {
    const double expected = (((red >> shift) & 0xFF) * 170.0 + ((below >> shift) & 0xFF) * 85.0) / 255.0;
    EXPECT_NEAR(double((shown >> shift) & 0xFF), expected, 1.0) << "channel at bit " << shift;
  }
  // The cover lies over the control on the screen.
  const Surface shot = CaptureWindow(form->Handle());
  POINT origin{0, 0};
  ClientToScreen(form->Handle(), &origin);
  EXPECT_EQ(shot.At(origin.x - form->Left() + 20, origin.y - form->Top() + 20) & 0x00FFFFFFu, shown & 0x00FFFFFFu);

  form->Perform(WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(skinForm->InActivePanel(), nullptr);
  // A cover that is still there goes with the form.
  form->Perform(WM_NCACTIVATE, FALSE, 0);
  EXPECT_NE(skinForm->InActivePanel(), nullptr);
}

TEST_F(InActiveCover, NoCoverWhenSwitchedOff) {
  skinForm->ClientInActiveEffect = false;
  form->Perform(WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(skinForm->InActivePanel(), nullptr);
}

}  // namespace
}  // namespace qb
