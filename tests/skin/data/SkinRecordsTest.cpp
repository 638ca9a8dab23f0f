#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "skin/data/SkinIni.h"
#include "skin/data/TskDataSkinButtonControl.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskDataSkinMainMenuBarButton.h"
#include "skin/data/TskDataSkinMenuButtonControl.h"
#include "skin/data/TskDataSkinSectionControl.h"
#include "skin/data/TskDataSkinSectionObject.h"
#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "tests/skin/data/SkinTestPackage.h"

namespace qb {
namespace {

std::unique_ptr<TskCompressedStoredSkin> Stored(std::string_view definition, std::vector<Dib> active = {}) {
  test::PackageParts parts;
  parts.active = std::move(active);
  parts.definition = definition;
  auto skin = std::make_unique<TskCompressedStoredSkin>(nullptr);
  skin->ReadCompressedData(test::Compress(test::BuildPackage(parts)));
  return skin;
}

TEST(SkinRecords, EntriesCreateTheRecordClassOfTheirType) {
  TskSkinData data(nullptr);
  data.LoadStoredSkin(Stored(
                          "[SKINOBJECTS]\r\ncount=9\r\n"
                          "0=closebutton:stdbutton\r\n1=bar:mainmenubarbutton\r\n2=plain:button\r\n"
                          "3=caption:caption\r\n4=anim:animate\r\n5=nocolon\r\n6=odd:Caption\r\n"
                          "7=item:menuitem\r\n8=:stdbutton\r\n9=beyond:caption\r\n"
                          "[SKINCONTROLS]\r\ncount=5\r\n"
                          "0=resizebutton:button\r\n1=mb:menubutton\r\n2=gauge:gauge\r\n3=edit:edit\r\n4=x:unknown\r\n"
                          "[anim]\r\nframecount=4\r\nskinrect=1,2,3,4\r\n"
                          "[edit]\r\npictureindex=4\r\nclientrect=1,1,5,5\r\n")
                          .get());
  ASSERT_FALSE(data.Empty());
  const auto& objects = data.SkinObjects();
  ASSERT_EQ(objects.size(), 7u);
  EXPECT_NE(dynamic_cast<TskDataSkinStdButton*>(objects[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinMainMenuBarButton*>(objects[1].get()), nullptr);
  EXPECT_EQ(dynamic_cast<TskDataSkinStdButton*>(objects[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinButton*>(objects[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinCaption*>(objects[3].get()), nullptr);
  const auto* anim = dynamic_cast<TskDataSkinSectionObject*>(objects[4].get());
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(anim->TypeName, u"animate");
  EXPECT_EQ(anim->skinrect, (RECT{1, 2, 3, 4}));
  ASSERT_EQ(anim->Values.size(), 2u);
  EXPECT_EQ(anim->Values[0].value, u"4");
  EXPECT_EQ(objects[5]->IDName, u"item");
  EXPECT_EQ(objects[6]->IDName, u"");

  const auto& controls = data.SkinControls();
  ASSERT_EQ(controls.size(), 4u);
  EXPECT_NE(dynamic_cast<TskDataSkinButtonControl*>(controls[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinMenuButtonControl*>(controls[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinGaugeControl*>(controls[2].get()), nullptr);
  const auto* edit = dynamic_cast<TskDataSkinSectionControl*>(controls[3].get());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->pictureindex, 4);
  EXPECT_EQ(edit->TypeName, u"edit");
}

TEST(SkinRecords, CountsAndMissingSections) {
  struct Case {
    std::string_view definition;
    std::size_t objects;
    std::size_t controls;
  };
  const Case cases[] = {
      {"[SKINOBJECTS]\r\ncount=0\r\n0=a:caption\r\n", 0, 0},
      {"[SKINOBJECTS]\r\n0=a:caption\r\n", 0, 0},
      {"[SKINOBJECTS]\r\ncount=2000000000\r\n1=b:caption\r\n0=a:caption\r\n", 2, 0},
      {"[SKINOBJECTS]\r\ncount=3\r\n00=a:caption\r\n2=c:caption\r\n", 1, 0},
      {"[SKINCONTROLS]\r\ncount=1\r\n0=g:gauge\r\n0=h:gauge\r\n", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.definition));
    TskSkinData data(nullptr);
    data.LoadStoredSkin(Stored(c.definition).get());
    EXPECT_EQ(data.SkinObjects().size(), c.objects);
    EXPECT_EQ(data.SkinControls().size(), c.controls);
  }
  TskSkinData data(nullptr);
  data.LoadStoredSkin(Stored("[SKINCONTROLS]\r\ncount=1\r\n0=g:gauge\r\n0=h:gauge\r\n").get());
  EXPECT_EQ(data.SkinControls()[0]->IDName, u"g");
}

TEST(SkinRecords, LookupsAreExactAndFindTheFirstRecord) {
  TskSkinData data(nullptr);
  data.LoadStoredSkin(
      Stored("[SKINCONTROLS]\r\ncount=3\r\n0=gauge:gauge\r\n1=resizebutton:button\r\n2=gauge:button\r\n").get());
  EXPECT_EQ(data.FindControlIndex(u"gauge"), 0);
  EXPECT_EQ(data.FindControlIndex(u"Gauge"), -1);
  EXPECT_EQ(data.FindControlIndex(u"gauge "), -1);
  EXPECT_EQ(data.FindControlIndex(u"resizebutton"), 1);
  EXPECT_EQ(data.FindObjectIndex(u"gauge"), -1);
}

TEST(SkinRecords, KeysReadWithTheirDefaults) {
  TskSkinData data(nullptr);
  data.LoadStoredSkin(Stored(
                          "[SKINOBJECTS]\r\ncount=2\r\n0=caption:caption\r\n1=closebutton:stdbutton\r\n"
                          "[SKINCONTROLS]\r\ncount=2\r\n0=resizebutton:button\r\n1=gauge:gauge\r\n"
                          "[caption]\r\nfontstyle=fsbold\r\nalignment=taleftjustify\r\nreflactioncolor=255\r\n"
                          "[resizebutton]\r\nstretchtype=STFULL\r\nmorphing=1\r\nanimateinterval=20\r\n")
                          .get());
  const auto* caption = dynamic_cast<const TskDataSkinCaption*>(data.SkinObjects()[0].get());
  EXPECT_EQ(caption->fontname, u"Tahoma");
  EXPECT_EQ(caption->fontheight, 13);
  EXPECT_EQ(caption->fontstyle, TFontStyles{fsBold});
  EXPECT_EQ(caption->alignment, TAlignment::taLeftJustify);
  EXPECT_EQ(caption->animateinterval, 25);
  EXPECT_EQ(caption->glowsize, 3);
  EXPECT_EQ(caption->reflactioncolor, 255);
  EXPECT_EQ(caption->quickbuttonalphamaskpictureindex, -1);
  EXPECT_EQ(caption->glowlayeralphablendvalue, 255);

  const auto* close = dynamic_cast<const TskDataSkinStdButton*>(data.SkinObjects()[1].get());
  EXPECT_EQ(close->command, TskStdCommand::cmDefault);
  EXPECT_EQ(close->activepictureindex, -1);
  EXPECT_EQ(close->alphamaskinactivepictureindex, -1);

  const auto* button = dynamic_cast<const TskDataSkinButtonControl*>(data.SkinControls()[0].get());
  EXPECT_EQ(button->stretchtype, TStretchType::stHorz);
  EXPECT_TRUE(button->morphing);
  EXPECT_EQ(button->animateinterval, 20);
  EXPECT_EQ(button->glowlayeralphablendvalue, 255);
  const auto* gauge = dynamic_cast<const TskDataSkinGaugeControl*>(data.SkinControls()[1].get());
  EXPECT_EQ(gauge->stretchtype, TStretchType::stFull);
  EXPECT_EQ(gauge->fontheight, 13);
  EXPECT_EQ(gauge->animationtimerinterval, 0);
}

struct RestoreHintCase {
  std::string_view hint;
  std::string_view command;
  std::string_view restorehint;
  std::u16string_view expected;
};

TEST(SkinRecords, RestoreHintIsFilledOnlyForExactMatches) {
  const RestoreHintCase cases[] = {
      {"Maximize", "cmmaximize", "", u"Restore"},
      {"maximize", "cmmaximize", "", u""},
      {"Maximize", "cmminimize", "", u""},
      {"Minimize", "cmminimize", "", u"Restore"},
      {"RollUp", "cmrollup", "", u"Restore"},
      {"Roll Up", "cmrollup", "", u"Restore"},
      {"Roll up", "cmrollup", "", u""},
      {"Maximize", "cmmaximize", "Back", u"Back"},
  };
  for (const auto& c : cases) {
    SkinIni ini;
    ini.WriteString(u"b", u"hint", ToUtf16(c.hint));
    ini.WriteString(u"b", u"command", ToUtf16(c.command));
    if (!c.restorehint.empty()) ini.WriteString(u"b", u"restorehint", ToUtf16(c.restorehint));
    TskDataSkinStdButton button(u"b");
    button.LoadFromIni(ini);
    EXPECT_EQ(button.restorehint, c.expected) << c.hint << " " << c.command;
  }
}

TEST(SkinRecords, SavedRecordsReadBackTheSame) {
  SkinIni source(
      u"[resizebutton]\r\npictureindex=4\r\nskinrect=90,224,130,263\r\nlefttoppoint=7,7\r\n"
      u"stretchtype=stvert\r\nfontstyle=fsitalic,fsunderline\r\nmorphkind=mkpush\r\n"
      u"disabledfontcolor=14144205\r\nmenumarkertransparentcolor=-1\r\n");
  TskDataSkinButtonControl original(u"resizebutton");
  original.LoadFromIni(source);
  SkinIni saved;
  original.SaveToIni(saved);
  TskDataSkinButtonControl copy(u"resizebutton");
  copy.LoadFromIni(SkinIni(saved.ToText()));
  EXPECT_EQ(copy.skinrect, original.skinrect);
  EXPECT_EQ(copy.lefttoppoint, (POINT{7, 7}));
  EXPECT_EQ(copy.stretchtype, TStretchType::stVert);
  EXPECT_EQ(copy.fontstyle, (TFontStyles{fsItalic, fsUnderline}));
  EXPECT_EQ(copy.morphkind, TMorphKind::mkPush);
  EXPECT_EQ(copy.disabledfontcolor, 14144205);
  EXPECT_EQ(copy.menumarkertransparentcolor, -1);
  EXPECT_EQ(copy.animateinterval, 25);
  EXPECT_EQ(saved.ReadString(u"resizebutton", u"stretchtype", u""), u"stvert");
}

struct FormInfoCase {
  const char* what;
  std::u16string_view keys;
  std::u16string_view mask;
  RECT maskrectarea;
  POINT hittestlefttoppoint;
  POINT lefttoppoint;
  POINT rightbottompoint;
};

TEST(FormInfo, AdjustmentsWhileReading) {
  const FormInfoCase cases[] = {
      {"mask area becomes the client", u"clientrect=3,26,282,207\r\n", u"mask.bmp", {3, 26, 282, 207}, {}, {}, {}},
      {"no mask, no change", u"clientrect=3,26,282,207\r\n", u"", {0, 0, 0, 0}, {}, {}, {}},
      {"mask area widened",
       u"clientrect=3,26,282,207\r\nmaskrectarea=5,3,280,100\r\n",
       u"mask.bmp",
       {3, 3, 282, 207},
       {},
       {},
       {}},
      {"hit-test point on an axis takes the corner",
       u"lefttoppoint=9,27\r\nhittestlefttoppoint=0,6\r\n",
       u"m",
       {0, 0, 0, 0},
       {9, 27},
       {9, 27},
       {}},
      {"hit-test point kept without a mask", u"lefttoppoint=9,27\r\nhittestlefttoppoint=0,6\r\n", u"", {}, {0, 6},
       {9, 27}, {}},
      {"corners pulled into the client",
       u"clientrect=3,26,282,207\r\nlefttoppoint=1,2\r\nrightbottompoint=290,300\r\n",
       u"",
       {},
       {},
       {3, 26},
       {282, 207}},
      {"corners kept when the frame has no extent",
       u"clientrect=3,26,282,207\r\nlefttoppoint=1,2\r\nrightbottompoint=1,300\r\n",
       u"",
       {},
       {},
       {1, 2},
       {1, 300}},
  };
  for (const FormInfoCase& c : cases) {
    SCOPED_TRACE(c.what);
    TskSkinFormInfo info;
    info.LoadFromIni(SkinIni(u"[FORMINFO]\r\n" + std::u16string(c.keys)), c.mask);
    EXPECT_EQ(info.maskrectarea, c.maskrectarea);
    EXPECT_EQ(info.hittestlefttoppoint, c.hittestlefttoppoint);
    EXPECT_EQ(info.lefttoppoint, c.lefttoppoint);
    EXPECT_EQ(info.rightbottompoint, c.rightbottompoint);
  }
  TskSkinFormInfo defaults;
  defaults.LoadFromIni(SkinIni(u"[FORMINFO]\r\n"), u"");
  EXPECT_EQ(defaults.bgpictureindex, -1);
  EXPECT_EQ(defaults.stretchtype, TStretchType::stFull);
  EXPECT_EQ(defaults.inactiveeffect, TInactiveEffect::ieBrightness);
}

}  // namespace
}  // namespace qb
