#include <gtest/gtest.h>

#include "skin/controls/SkinControlWalk.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/data/SkinMessages.h"
#include "tests/skin/controls/ControlTestSkin.h"
#include "tests/support/WindowShape.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"

namespace qb {
namespace {

constexpr std::string_view kModesSkin =
    "[VERSION]\r\nskinname=Modes\r\n"
    "[PICTURES]\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
    "[SKINOBJECTS]\r\ncount=0\r\n"
    "[SKINCONTROLS]\r\ncount=5\r\n0=resize:button\r\n1=fixed:button\r\n2=wide:button\r\n3=tall:button\r\n"
    "4=empty:button\r\n"
    "[resize]\r\npictureindex=0\r\nskinrect=0,0,40,39\r\nlefttoppoint=7,7\r\nrighttoppoint=32,6\r\n"
    "leftbottompoint=7,30\r\nrightbottompoint=34,32\r\nclientrect=2,2,38,37\r\n"
    "[fixed]\r\npictureindex=0\r\nskinrect=0,0,8,8\r\nclientrect=1,1,7,7\r\n"
    "[wide]\r\npictureindex=0\r\nskinrect=0,0,8,6\r\nrighttoppoint=6,0\r\nlefttoppoint=2,0\r\n"
    "clientrect=2,1,6,5\r\n"
    "[tall]\r\npictureindex=0\r\nskinrect=0,0,6,8\r\nleftbottompoint=0,6\r\nlefttoppoint=0,2\r\n"
    "clientrect=1,2,5,6\r\n"
    "[empty]\r\npictureindex=0\r\nskinrect=0,0,0,0\r\n";

TEST(SkinControlSize, ResizeModeDecidesWhichRequestedDimensionsAreKept) {
  test::ControlSkin skin(kModesSkin);
  struct Case {
    const char16_t* record;
    int mode;
    SIZE requested;
    SIZE result;
    RECT client;
  };
  const Case cases[] = {
      {u"resize", 1, {170, 25}, {170, 25}, {2, 2, 168, 23}},
      {u"resize", 1, {40, 39}, {40, 39}, {2, 2, 38, 37}},
      {u"fixed", 0, {170, 25}, {8, 8}, {1, 1, 7, 7}},
      {u"wide", 2, {170, 25}, {170, 6}, {2, 1, 168, 5}},
      {u"tall", 3, {170, 25}, {6, 25}, {1, 2, 5, 23}},
      {u"empty", -1, {170, 25}, {170, 25}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    TskSkinButton button(nullptr);
    button.SetSkinDataName(c.record);
    button.SetSkinData(skin.data.get());
    button.SetBounds(0, 0, c.requested.cx, c.requested.cy);
    const std::string what = std::string(c.record, c.record + std::char_traits<char16_t>::length(c.record));
    EXPECT_EQ(button.ResizeMode(), c.mode) << what;
    EXPECT_EQ(button.Width(), c.result.cx) << what;
    EXPECT_EQ(button.Height(), c.result.cy) << what;
    EXPECT_EQ(button.NewClientRect.left, c.client.left) << what;
    EXPECT_EQ(button.NewClientRect.top, c.client.top) << what;
    EXPECT_EQ(button.NewClientRect.right, c.client.right) << what;
    EXPECT_EQ(button.NewClientRect.bottom, c.client.bottom) << what;
  }
}

TEST(SkinControlSize, WithoutSkinSizeAFixedPictureStretchesToAnySize) {
  test::ControlSkin skin(kModesSkin);
  TskSkinButton button(nullptr);
  button.SetUseSkinSize(false);
  button.SetSkinDataName(u"fixed");
  button.SetSkinData(skin.data.get());
  button.SetBounds(0, 0, 30, 20);
  EXPECT_EQ(button.Width(), 30);
  EXPECT_EQ(button.Height(), 20);
  EXPECT_EQ(button.NewClientRect.right, 29);
  EXPECT_EQ(button.NewClientRect.bottom, 19);
}

// The 6 × 6 pattern piece (2-pixel corners and edges, 2 × 2 client) at
// 10 × 9, or 10 wide, or 9 high: corners keep their pixels at the moved
// corners, each edge and the client are tiled or stretched as the record
// says. A tiled edge repeats the piece's columns 2, 3, 2, 3, …; stretched
// from 2 to 6 (or 5) pixels it shows columns 2, 2, 2, 3, 3, 3 (or 2, 2, 2,
// 3, 3).
TEST(SkinControlLook, CornersStayAndEachEdgeTilesOrStretchesAsTheRecordSays) {
  test::ControlSkin skin;
  struct Probe {
    POINT shown;
    POINT piece;
  };
  struct Case {
    const char16_t* record;
    SIZE size;
    std::vector<Probe> probes;
  };
  const std::vector<Probe> corners{{{0, 0}, {0, 0}}, {{9, 0}, {5, 0}}, {{8, 1}, {4, 1}}, {{0, 8}, {0, 5}},
                                   {{1, 7}, {1, 4}}, {{9, 8}, {5, 5}}, {{8, 7}, {4, 4}}};
  const auto with = [&](std::vector<Probe> probes) {
    probes.insert(probes.end(), corners.begin(), corners.end());
    return probes;
  };
  const Case cases[] = {
      {u"tiledpattern",
       {10, 9},
       with({{{3, 1}, {3, 1}}, {{7, 0}, {3, 0}}, {{3, 8}, {3, 5}}, {{1, 3}, {1, 3}}, {{9, 3}, {5, 3}}, {{3, 3}, {3, 3}},
             {{6, 5}, {2, 3}}})},
      {u"mixedpattern",
       {10, 9},
       with({{{3, 1}, {2, 1}}, {{5, 0}, {3, 0}}, {{3, 8}, {3, 5}}, {{1, 3}, {1, 3}}, {{9, 3}, {5, 2}}, {{3, 3}, {2, 2}},
             {{7, 6}, {3, 3}}})},
      {u"widepattern", {10, 6}, {{{0, 0}, {0, 0}}, {{3, 2}, {3, 2}}, {{9, 5}, {5, 5}}, {{8, 0}, {4, 0}}}},
      {u"tallpattern", {6, 9}, {{{0, 0}, {0, 0}}, {{2, 3}, {2, 2}}, {{5, 8}, {5, 5}}, {{0, 7}, {0, 4}}}},
  };
  for (const Case& c : cases) {
    const std::string what(c.record, c.record + std::char_traits<char16_t>::length(c.record));
    TskSkinButton button(nullptr);
    button.SetSkinDataName(c.record);
    button.SetBounds(0, 0, 10, 9);
    button.SetSkinData(skin.data.get());
    ASSERT_EQ(button.Width(), c.size.cx) << what;
    ASSERT_EQ(button.Height(), c.size.cy) << what;
    TBitmap shown;
    test::PaintInto(button, shown);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(test::ColourAt(shown, p.shown.x, p.shown.y), test::PatternPixel(p.piece.x, p.piece.y))
          << what << " at " << p.shown.x << "," << p.shown.y;
    }
  }
}

// Whatever the resize mode, the mask's corners are fixed pieces: the window
// loses exactly its four corner pixels at any size it takes.
TEST(SkinControlRegion, TheMaskShapesTheWindowInEveryResizeModeAndFollowsItsSize) {
  TApplication application;
  auto form = NewForm<TForm>();
  test::ControlSkin skin;
  struct Case {
    const char16_t* record;
    SIZE requested;
    SIZE size;
  };
  const Case cases[] = {
      {u"shapedfixed", {20, 12}, {8, 8}},
      {u"shaped", {20, 12}, {20, 12}},
      {u"shapedwide", {20, 12}, {20, 8}},
      {u"shapedtall", {20, 12}, {8, 12}},
  };
  for (const Case& c : cases) {
    const std::string what(c.record, c.record + std::char_traits<char16_t>::length(c.record));
    TskSkinButton button(nullptr);
    button.SetParent(form.get());
    button.SetSkinDataName(c.record);
    button.SetBounds(0, 0, c.requested.cx, c.requested.cy);
    button.SetSkinData(skin.data.get());
    ASSERT_EQ(button.Width(), c.size.cx) << what;
    ASSERT_EQ(button.Height(), c.size.cy) << what;
    const auto inside = [&](int x, int y) { return !test::Corner(x, y, c.size.cx, c.size.cy); };
    EXPECT_EQ(test::ShapeDifference(button.Handle(), inside), "") << what;
  }

  TskSkinButton button(nullptr);
  button.SetParent(form.get());
  button.SetSkinDataName(u"shaped");
  button.SetBounds(0, 0, 20, 12);
  button.SetSkinData(skin.data.get());
  button.SetBounds(0, 0, 31, 9);
  EXPECT_EQ(test::ShapeDifference(button.Handle(), [](int x, int y) { return !test::Corner(x, y, 31, 9); }), "")
      << "after a size change";
  button.SetSkinDataName(u"statebutton");
  button.ChangeSkinData();
  EXPECT_EQ(test::ShapeDifference(button.Handle(), [](int, int) { return true; }), "") << "a record without a mask";
}

class TWalkForm : public TForm {
 public:
  using TForm::TForm;
  TskSkinButton* first = nullptr;
  TskSkinButton* second = nullptr;

 protected:
  void CreateComponents() override {
    SetBorderStyle(bsNone);
    first = Make<TskSkinButton>(u"First", this);
    second = Make<TskSkinButton>(u"Second", this);
    first->SetSkinDataName(u"fixedbutton");
    second->SetSkinDataName(u"fixedbutton");
  }
};

TEST(SkinChangeWalk, SkinsOnlyTheControlsOfTheNotifyingSkinDataAndAppliesTheirSizes) {
  TApplication application;
  auto form = NewForm<TWalkForm>();
  TskSkinData later(nullptr);
  test::ControlSkin other;
  form->first->SetSkinData(&later);
  form->second->SetSkinData(other.data.get());
  EXPECT_FALSE(form->first->Skinned());
  EXPECT_TRUE(form->second->Skinned());
  EXPECT_EQ(form->second->Width(), 8);

  const test::ControlSkin source;
  later.LoadStoredSkin(source.stored.get());
  WalkSkinControls(form.get(), &later, SKM_BEFORECHANGE);
  EXPECT_FALSE(form->first->Skinned());
  EXPECT_TRUE(form->second->Skinned());
  WalkSkinControls(form.get(), &later, SKM_CHANGE);
  EXPECT_TRUE(form->first->Skinned());
  EXPECT_EQ(form->first->Width(), 8);
  EXPECT_EQ(form->first->Height(), 8);

  WalkSkinControls(form.get(), nullptr, SKM_BEFORECHANGE);
  EXPECT_FALSE(form->first->Skinned());
  EXPECT_FALSE(form->second->Skinned());
}

TEST(SkinDataRemoval, LeavesTheControlWorkingInItsUnskinnedLook) {
  auto skin = std::make_unique<test::ControlSkin>();
  TskSkinButton button(nullptr);
  button.SetSkinDataName(u"statebutton");
  button.SetSkinData(skin->data.get());
  ASSERT_TRUE(button.Skinned());
  skin.reset();
  EXPECT_EQ(button.SkinData(), nullptr);
  TBitmap shown;
  test::PaintInto(button, shown);
  EXPECT_FALSE(button.Skinned());
  EXPECT_EQ(test::ColourAt(shown, 0, 0), test::SystemColour(clBtnShadow));
  EXPECT_EQ(test::ColourAt(shown, 3, button.Height() - 3), test::SystemColour(clBtnFace));
}

}  // namespace
}  // namespace qb
