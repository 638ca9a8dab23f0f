#include <gtest/gtest.h>

#include "platform/gdi/window/ScreenComposer.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

std::uint32_t Rgb(TColor colour) {
  const COLORREF c = ColorToRGB(colour);
  return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// A shown sizeable form at (100, 100), 200 × 100, without caption under a
// frame component without skin: the unskinned default frame with its
// default buttons (close at 180,4,197,21, then maximize, minimize and
// roll-up leftwards, the system-menu button at 3,4,20,21), so that the
// caption area runs from 20 to 129.
class DefaultFrame : public ::testing::Test {
 protected:
  DefaultFrame() {
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(100, 100, 200, 100);
    form->SetCaption(u"");
    skinForm = new TskSkinForm(form.get());
    form->Show();
    test::ProcessPending(application);
  }
  std::uint32_t Shown(int x, int y) const { return CaptureWindow(form->Handle()).At(x, y) & 0x00FFFFFFu; }

  TApplication application;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

// Three rings from the outside in (light / dark shadow, highlight /
// shadow, face / face); the caption bar's lines alternate highlight and
// shadow from its third row, from the caption area's start to 6 pixels
// before its end; the buttons show the face colour.
TEST_F(DefaultFrame, RingsAndCaptionLinesInTheSystemColours) {
  struct Probe {
    const char* where;
    POINT p;
    TColor colour;
  };
  const Probe probes[] = {
      {"outer ring, left", {0, 50}, cl3DLight},
      {"outer ring, top", {100, 0}, cl3DLight},
      {"outer ring, right", {199, 50}, cl3DDkShadow},
      {"outer ring, bottom", {100, 99}, cl3DDkShadow},
      {"middle ring, top-left", {1, 1}, clBtnHighlight},
      {"middle ring, bottom-right", {198, 98}, clBtnShadow},
      {"inner ring, top-left", {2, 2}, clBtnFace},
      {"inner ring, bottom-right", {197, 97}, clBtnFace},
      {"first line", {60, 5}, clBtnHighlight},
      {"second line", {60, 6}, clBtnShadow},
      {"last line", {60, 18}, clBtnShadow},
      {"below the lines", {60, 19}, clBtnFace},
      {"above the lines", {60, 4}, clBtnFace},
      {"line start, next to the system-menu button", {20, 5}, clBtnHighlight},
      {"line end", {123, 5}, clBtnHighlight},
      {"after the line end", {124, 5}, clBtnFace},
      {"close button", {181, 5}, clBtnFace},
  };
  for (const Probe& p : probes) EXPECT_EQ(Shown(p.p.x, p.p.y), Rgb(p.colour)) << p.where;
}

}  // namespace
}  // namespace qb
