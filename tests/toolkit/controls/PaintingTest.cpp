#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gdi/window/WindowDc.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Draw.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/controls/TCustomControl.h"
#include "toolkit/controls/TGraphicControl.h"
#include "toolkit/forms/TForm.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {
namespace {

constexpr COLORREF F = RGB(236, 233, 216);  // the form's clBtnFace
constexpr COLORREF R = RGB(255, 0, 0);
constexpr COLORREF B = RGB(0, 0, 255);

// Fills more than its own area, so that clipping to its bounds shows.
class TBlock : public TGraphicControl {
 public:
  explicit TBlock(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(RECT{-5, -5, 50, 50});
    painted = ControlState().Contains(csPaintCopy);
  }

 public:
  bool painted = false;
};

class TBluePanel : public TCustomControl {
 public:
  explicit TBluePanel(TComponent* owner) : TCustomControl(owner) {}

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(ClientRect());
  }
};

// A frameless 6 × 4 form with a 2 × 2 block at (1, 1) and a 2 × 3 blue
// panel at (4, 1).
class TPaintForm : public TForm {
 public:
  using TForm::TForm;
  TBlock* block = nullptr;
  TBluePanel* panel = nullptr;

 protected:
  void CreateComponents() override {
    SetBorderStyle(bsNone);
    SetBounds(100, 100, 6, 4);
    block = Make<TBlock>(u"Block", this);
    block->SetBounds(1, 1, 2, 2);
    panel = Make<TBluePanel>(u"Panel", this);
    panel->SetBounds(4, 1, 2, 3);
  }
};

std::vector<COLORREF> Read(HDC dc, int width, int height) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  return pixels;
}

class Painting : public ::testing::Test {
 protected:
  TApplication application;
  std::unique_ptr<TPaintForm> form = NewForm<TPaintForm>();
};

TEST_F(Painting, TheFormPaintsItsBackgroundAndItsGraphicChildrenAndWindowedChildrenPaintThemselves) {
  form->Show();
  test::ProcessPending(application);
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(Read(dc, 6, 4), (std::vector<COLORREF>{
                                F, F, F, F, F, F,  //
                                F, R, R, F, B, B,  //
                                F, R, R, F, B, B,  //
                                F, F, F, F, B, B,
                            }));
  ReleaseDC(form->Handle(), dc);
}

TEST_F(Painting, APaintMessageWithAContextPaintsACopyAtThatContextsOrigin) {
  TBitmap copy;
  copy.SetSize(4, 3);
  HDC dc = copy.Canvas().Handle();
  SetWindowOrgEx(dc, 1, 1, nullptr);  // the copy starts at the form's (1, 1)
  form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  form->block->IncludeState(csPaintCopy);
  form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  form->block->ExcludeState(csPaintCopy);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  EXPECT_TRUE(form->block->painted);
  EXPECT_EQ(Read(dc, 4, 3), (std::vector<COLORREF>{
                                R, R, F, F,  //
                                R, R, F, F,  //
                                F, F, F, F,
                            })) << "windowed children are not part of the copy";
}

}  // namespace
}  // namespace qb
