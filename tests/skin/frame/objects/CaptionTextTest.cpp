#include <gtest/gtest.h>

#include "skin/frame/CaptionTextLayout.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/skin/frame/FrameTestSkin.h"
#include "tests/skin/frame/RectPrinting.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

TEST(CaptionTextOrigin, AlignmentAndOddFontHeights) {
  const RECT r{10, 4, 110, 24};  // 100 × 20
  struct Case {
    const char* what;
    TAlignment alignment;
    bool centred;
    int fontHeight;
    int textHeight;
    POINT origin;
  };
  const Case cases[] = {
      {"left", TAlignment::taLeftJustify, false, 14, 16, {10, 6}},
      {"right", TAlignment::taRightJustify, false, 14, 16, {70, 6}},
      {"centre", TAlignment::taCenter, false, 14, 16, {40, 6}},
      {"quick buttons force the centre", TAlignment::taLeftJustify, true, 14, 16, {40, 6}},
      {"odd font height moves up one pixel", TAlignment::taLeftJustify, false, 13, 16, {10, 5}},
      {"odd text height halves downwards", TAlignment::taLeftJustify, false, 14, 15, {10, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CaptionTextOrigin(r, 40, c.textHeight, c.alignment, c.centred, c.fontHeight), c.origin);
  }
}

TEST(CaptionTextRect, FollowsTheObjectsWidthAndTheFrameTextRect) {
  const RECT skin{5, 4, 280, 20};  // 275 wide
  EXPECT_EQ(CaptionTextRect({5, 0, 269, 16}, skin, {}, {}, 390, 0), (RECT{5, 0, 384, 16}));
  EXPECT_EQ(CaptionTextRect({5, 0, 269, 16}, skin, {0, 0, 50, 10}, {2, 1, 40, 9}, 275, 0), (RECT{7, 1, 261, 17}));
  EXPECT_EQ(CaptionTextRect({}, skin, {}, {}, 390, 0), (RECT{}));
}

class CaptionText : public ::testing::Test {
 protected:
  CaptionText() {
    skinForm = new TskSkinForm(form.get());
    skinForm->SetSkinData(skin.data.get());
  }
  TskSkinCaptionObject& Caption() {
    return dynamic_cast<TskSkinCaptionObject&>(*skinForm->FindObject(u"caption"));
  }

  TApplication application;
  test::OwnSkinData skin;
  std::unique_ptr<TForm> form = NewForm<TForm>();
  TskSkinForm* skinForm = nullptr;
  TBitmap scratch;
};

TEST_F(CaptionText, LongCaptionsEndInDotsAndShortOnesStayWhole) {
  scratch.SetSize(10, 10);
  const RECT r{0, 0, 120, 16};
  form->SetCaption(u"PDF-Datei erzeugt");
  auto placed = Caption().PlaceText(scratch.Canvas(), r, true);
  EXPECT_EQ(placed.text, u"PDF-Datei erzeugt");
  EXPECT_EQ(placed.rect.left, 0) << "the skin aligns left";

  form->SetCaption(u"Ein sehr langer Fenstertitel, der nicht in die Titelleiste passt");
  placed = Caption().PlaceText(scratch.Canvas(), r, true);
  ASSERT_GE(placed.text.size(), 3u);
  EXPECT_EQ(placed.text.substr(placed.text.size() - 3), u"...");
  EXPECT_LE(placed.rect.right - placed.rect.left, 120);
}

TEST_F(CaptionText, UsesTheSkinFontOrTheDefaultCaptionFont) {
  scratch.SetSize(10, 10);
  Caption().SelectFont(scratch.Canvas(), true);
  EXPECT_EQ(scratch.Canvas().Font().Name(), u"Arial");
  EXPECT_EQ(scratch.Canvas().Font().Height(), 14);
  EXPECT_EQ(scratch.Canvas().Font().Color(), TColor(3355443));
  Caption().SelectFont(scratch.Canvas(), false);
  EXPECT_EQ(scratch.Canvas().Font().Color(), TColor(8289918));
  skinForm->UseSkinFontInCaption = false;
  Caption().SelectFont(scratch.Canvas(), true);
  EXPECT_EQ(scratch.Canvas().Font().Name(), u"Tahoma");
  EXPECT_EQ(scratch.Canvas().Font().Height(), 13);
}

}  // namespace
}  // namespace qb
