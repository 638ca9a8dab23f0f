#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/backend/RawInput.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/window/WindowApi.h"
#include "skin/frame/TskActiveSkinObject.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/PatternFrameSkin.h"
#include "tests/support/ApplicationLoop.h"
#include "tests/support/PictureDifference.h"
#include "tests/support/WindowShape.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

// A shown sizeable form at (100, 100), 100 × 60, under a frame component
// with the pattern skin and no caption buttons but close. The frame is 60
// wider and 24 taller than the picture: the moved corner points are (6, 20),
// (94, 20), (6, 56), (94, 56), the client area 3,20,97,57; the close button
// lies at 87,2,97,12 and the caption at 3,2,87,18.
class PatternFrame : public ::testing::Test {
 protected:
  PatternFrame() {
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(100, 100, 100, 60);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->SetSkinData(skin.data.get());
    form->Show();
    test::ProcessPending(application);
  }
  ~PatternFrame() override {
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
  // Another form takes the activation, or gives it back.
  void Deactivate() {
    other->SetBounds(600, 600, 50, 50);
    other->Show();
    test::ProcessPending(application);
    ASSERT_FALSE(form->Active());
  }
  void Activate() {
    other->Hide();
    form->SetFocus();
    test::ProcessPending(application);
    ASSERT_TRUE(form->Active());
  }
  // The window's pixel at (x, y) as 0xRRGGBB.
  std::uint32_t Shown(int x, int y) const { return CaptureWindow(form->Handle()).At(x, y) & 0x00FFFFFFu; }

  TApplication application;
  test::PatternFrameSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  std::unique_ptr<TForm> other = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
};

// Corners keep their pixels at the moved corner points; the top edge (6 …
// 34 of the picture) is stretched over 6 … 94 and the right one over the
// side's 37 rows; the bottom edge is tiled from x = 0 in pieces of 28 and
// the left one from the side's top in pieces of 12, each side ending in the
// picture's rows 32 … 33; the client area tiles the picture's client
// rectangle from its own top-left.
TEST_F(PatternFrame, FramePixelsKeepTheCornersAndTileOrStretchEachEdgeAsTheSkinSays) {
  struct Probe {
    const char* where;
    POINT window;
    POINT picture;
  };
  const Probe probes[] = {
      {"top-left corner", {2, 2}, {2, 2}},
      {"top-left corner, last row", {5, 19}, {5, 19}},
      {"top-right corner", {97, 2}, {37, 2}},
      {"bottom-left corner", {2, 58}, {2, 34}},
      {"bottom-right corner", {97, 58}, {37, 34}},
      {"top edge, first column", {6, 5}, {6, 5}},
      {"top edge, last column", {93, 15}, {33, 15}},
      {"bottom edge", {10, 58}, {16, 34}},
      {"bottom edge, second piece", {50, 58}, {28, 34}},
      {"left side, second piece", {1, 33}, {1, 21}},
      {"left side, end", {1, 56}, {1, 32}},
      {"right side, first row", {98, 20}, {38, 20}},
      {"right side, last stretched row", {98, 55}, {38, 31}},
      {"right side, end", {98, 56}, {38, 32}},
      {"client background", {43, 25}, {9, 25}},
  };
  EXPECT_EQ(Shown(92, 7), test::kCloseNormal) << "close button";
  const Surface shot = CaptureWindow(form->Handle());
  ASSERT_EQ(shot.Width(), 100);
  ASSERT_EQ(shot.Height(), 60);
  for (const Probe& p : probes) {
    EXPECT_EQ(shot.At(p.window.x, p.window.y) & 0x00FFFFFFu, test::FramePixel(p.picture.x, p.picture.y)) << p.where;
  }
}

TEST_F(PatternFrame, TheMaskLeavesOutExactlyTheFourCornerPixelsAtEverySize) {
  EXPECT_EQ(test::ShapeDifference(form->Handle(), [](int x, int y) { return !test::Corner(x, y, 100, 60); }), "");
  form->SetBounds(100, 100, 131, 77);
  test::ProcessPending(application);
  EXPECT_EQ(test::ShapeDifference(form->Handle(), [](int x, int y) { return !test::Corner(x, y, 131, 77); }), "");
}

// Steps: i / o move the pointer onto / off the close button, d / u press
// and release the left button (never over the button, which would close
// the form). After each step the button's look is noted once it shows the
// expected one or a second passed (the frame follows the pointer on its
// hover timer): Normal, Active, Down, Inactive.
TEST_F(PatternFrame, CloseButtonShowsTheLookOfItsState) {
  const auto look = [this] { return test::CloseLook(Shown(92, 7)); };
  const POINT on{100 + 92, 100 + 7};
  const POINT off{100 + 50, 100 + 40};
  const std::string steps = "idoiou";
  const std::string expected = "ADNDNN";
  std::string looks;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    switch (steps[i]) {
      case 'i': MoveTo(on); break;
      case 'o': MoveTo(off); break;
      case 'd': Button(true); break;
      case 'u': Button(false); break;
    }
    test::RunApplicationUntil(application, [&] { return look() == expected[i]; }, std::chrono::seconds(1));
    looks += look();
  }
  EXPECT_EQ(looks, expected);
  Deactivate();
  EXPECT_EQ(look(), 'I') << "the form inactive";
}

// With morphing the close button fades to its hot look and back in fifths
// on the morph timer, each step the straight blend (1 − k)·normal + k·hot
// of the two blocks: red falls from C0 as green rises to C0.
TEST_F(PatternFrame, MorphingCloseButtonFadesThroughTheBlendOfItsTwoLooks) {
  TskActiveSkinObject* close = skinForm->FindObject(u"closebutton");
  ASSERT_NE(close, nullptr);
  close->morphing = true;
  std::vector<std::string> steps;
  const auto record = [&] {
    char step[16];
    std::snprintf(step, sizeof step, "%06X", unsigned(Shown(92, 7)));
    if (steps.empty() || steps.back() != step) steps.push_back(step);
  };
  const auto fade = [&](POINT to, std::uint32_t end) {
    steps.clear();
    MoveTo(to);
    EXPECT_TRUE(test::RunApplicationUntil(application, [&] {
      record();
      return Shown(92, 7) == end;
    }));
  };
  fade({100 + 92, 100 + 7}, test::kCloseActive);
  EXPECT_EQ(steps, (std::vector<std::string>{"C00000", "9A2600", "734D00", "4D7300", "269A00", "00C000"}));
  fade({100 + 50, 100 + 40}, test::kCloseNormal);
  EXPECT_EQ(steps, (std::vector<std::string>{"00C000", "269A00", "4D7300", "734D00", "9A2600", "C00000"}));
}

// The caption text is centred in the caption's text rectangle (the record's
// 2,0,30,16 with its right edge following the caption, which runs between
// the caption buttons), one pixel higher for the odd font height, in the
// active or inactive colour. From the right, the close button lies at
// 87,2,97,12 and the system-menu button, centred in the caption rectangle,
// at 3,5,11,15; from the left they follow each other from 3 with 2 pixels
// between them and the caption 2 further. Each window is compared with
// itself without caption and the text drawn over it where and how it
// belongs.
TEST_F(PatternFrame, CaptionTextIsCentredBetweenTheButtonsInTheColourOfTheActivation) {
  test::PatternFrameSkinData leftButtons(test::LeftButtonsPatternFrameSkin());
  struct Case {
    const char* what;
    bool fromTheLeft;
    bool systemMenu;
    bool active;
    RECT textRect;
    RECT close;
    RECT sysMenu;
  };
  const Case cases[] = {
      {"active", false, false, true, {5, 2, 83, 18}, {87, 2, 97, 12}, {}},
      {"inactive", false, false, false, {5, 2, 83, 18}, {87, 2, 97, 12}, {}},
      {"after the system-menu button", false, true, true, {13, 2, 83, 18}, {87, 2, 97, 12}, {3, 5, 11, 15}},
      {"buttons from the left", true, true, true, {29, 2, 93, 18}, {3, 2, 13, 12}, {15, 2, 23, 12}},
  };
  const std::u16string caption = u"Hallo";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    skinForm->SetSkinData(c.fromTheLeft ? leftButtons.data.get() : skin.data.get());
    skinForm->SetBorderIcons(c.systemMenu ? TskBorderIcons{TskBorderIcon::biSystemMenu} : TskBorderIcons{});
    if (c.active) {
      Activate();
    } else {
      Deactivate();
    }
    form->SetCaption(u"");
    test::ProcessPending(application);
    const Surface background = CaptureWindow(form->Handle());
    form->SetCaption(caption);
    test::ProcessPending(application);
    const Surface shot = CaptureWindow(form->Handle());

    EXPECT_EQ(test::PictureDifference(test::Colours(shot), test::WithCaption(background, c.textRect, caption, c.active)),
              "");

    // The buttons' corners, and the pixels just outside them.
    const auto expectButton = [&](const RECT& b, std::uint32_t look, const char* which) {
      for (const POINT p : {POINT{b.left, b.top}, POINT{b.right - 1, b.bottom - 1}})
        EXPECT_EQ(shot.At(p.x, p.y) & 0x00FFFFFFu, look) << which << " at " << p.x << "," << p.y;
      for (const POINT p : {POINT{b.left - 1, b.top}, POINT{b.right - 1, b.bottom}})
        EXPECT_NE(shot.At(p.x, p.y) & 0x00FFFFFFu, look) << which << " at " << p.x << "," << p.y;
    };
    expectButton(c.close, c.active ? test::kCloseNormal : test::kCloseInactive, "close");
    if (c.systemMenu) expectButton(c.sysMenu, test::kSysMenu, "system menu");
  }
}

}  // namespace
}  // namespace qb
