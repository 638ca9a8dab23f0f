#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "skin/data/TskCompressedSkinList.h"
#include "skin/data/TskDataSkinButtonControl.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "tools/embed/EmbeddedSkin.h"

namespace qb {
namespace {

// The program's skin, loaded the way its window loads it: item 0 of a skin
// list whose "Skin" property holds the embedded bytes.
class OwnSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    list = std::make_unique<TskCompressedSkinList>(nullptr);
    TskSkinListItem* item = list->Skins().Add();
    item->SetCompressedFileName(kEmbeddedSkinFileName);
    item->ReadSkin(EmbeddedSkin());
    data = std::make_unique<TskSkinData>(nullptr);
    data->SetSkinList(list.get());
  }
  static void TearDownTestSuite() {
    data.reset();
    list.reset();
  }

  template <typename Record>
  static const Record& Object(std::u16string_view name) {
    const int index = data->FindObjectIndex(name);
    EXPECT_GE(index, 0) << ToUtf8(name);
    const auto* record = dynamic_cast<const Record*>(data->SkinObjects().at(static_cast<std::size_t>(index)).get());
    EXPECT_NE(record, nullptr) << ToUtf8(name);
    return *record;
  }
  template <typename Record>
  static const Record& Control(std::u16string_view name) {
    const int index = data->FindControlIndex(name);
    EXPECT_GE(index, 0) << ToUtf8(name);
    const auto* record = dynamic_cast<const Record*>(data->SkinControls().at(static_cast<std::size_t>(index)).get());
    EXPECT_NE(record, nullptr) << ToUtf8(name);
    return *record;
  }

  static inline std::unique_ptr<TskCompressedSkinList> list;
  static inline std::unique_ptr<TskSkinData> data;
};

TEST_F(OwnSkin, IsItem0OfTheListAndLoads) {
  EXPECT_EQ(list->Skins().Items(0)->Name(), kEmbeddedSkinItemName);
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinObjects().size(), 11u);
  EXPECT_EQ(data->SkinControls().size(), 73u);
}

TEST_F(OwnSkin, PicturesHaveTheirSizesAndDepths) {
  EXPECT_EQ(data->MainPicture().Width(), 285);
  EXPECT_EQ(data->MainPicture().Height(), 210);
  EXPECT_EQ(data->MainPicture().PixelFormat(), pf24bit);
  EXPECT_TRUE(data->InactivePicture().Empty());
  EXPECT_EQ(data->MaskPicture().Width(), 285);
  EXPECT_EQ(data->MaskPicture().PixelFormat(), pf8bit);
  EXPECT_EQ(data->PictureName(), u"main.bmp");
  EXPECT_EQ(data->MaskName(), u"mask.bmp");
  EXPECT_EQ(data->InactivePictureName(), u"");

  struct Picture {
    std::u16string_view name;
    int width, height;
    TPixelFormat format;
  };
  const Picture pictures[] = {
      {u"active.bmp", 124, 173, pf24bit},          {u"hintwindow.bmp", 44, 44, pf24bit},
      {u"pw.bmp", 93, 55, pf24bit},                {u"menuitems.bmp", 113, 127, pf24bit},
      {u"controls.bmp", 682, 396, pf24bit},        {u"layerframemask.bmp", 173, 133, pf24bit},
      {u"pwmask.bmp", 93, 55, pf4bit},             {u"hintwindowmask.bmp", 44, 44, pf1bit},
      {u"layerframe.bmp", 173, 133, pf24bit},      {u"ribbon.bmp", 342, 169, pf24bit},
      {u"appmenu.bmp", 210, 133, pf24bit},         {u"appmenubg.bmp", 200, 200, pf24bit},
      {u"balphamask.bmp", 17, 15, pf24bit},        {u"balphamask1.bmp", 17, 15, pf24bit},
      {u"sbalphamask.bmp", 16, 15, pf24bit},       {u"sbalphamask1.bmp", 16, 15, pf24bit},
      {u"layerframeblurmask.bmp", 173, 133, pf4bit}, {u"qbalphamask.bmp", 23, 24, pf24bit},
  };
  ASSERT_EQ(data->ActivePictures().size(), std::size(pictures));
  ASSERT_EQ(data->ActivePictureNames().size(), std::size(pictures));
  for (std::size_t i = 0; i < std::size(pictures); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(data->ActivePictureNames()[i], pictures[i].name);
    EXPECT_EQ(data->ActivePictures()[i]->Width(), pictures[i].width);
    EXPECT_EQ(data->ActivePictures()[i]->Height(), pictures[i].height);
    EXPECT_EQ(data->ActivePictures()[i]->PixelFormat(), pictures[i].format);
  }
}

TEST_F(OwnSkin, FormFrameValues) {
  const TskSkinFormInfo& f = data->FormInfo();
  EXPECT_EQ(f.lefttoppoint, (POINT{9, 27}));
  EXPECT_EQ(f.righttoppoint, (POINT{273, 27}));
  EXPECT_EQ(f.leftbottompoint, (POINT{4, 205}));
  EXPECT_EQ(f.rightbottompoint, (POINT{279, 205}));
  EXPECT_EQ(f.clientrect, (RECT{3, 26, 282, 207}));
  EXPECT_FALSE(f.leftstretch || f.rightstretch || f.topstretch || f.bottomstretch || f.stretcheffect);
  EXPECT_EQ(f.stretchtype, TStretchType::stFull);
  EXPECT_EQ(f.maskrectarea, (RECT{3, 3, 282, 207}));
  EXPECT_EQ(f.hittestlefttoppoint, (POINT{7, 6}));
  EXPECT_EQ(f.hittestrighttoppoint, (POINT{279, 8}));
  EXPECT_EQ(f.hittestleftbottompoint, (POINT{5, 205}));
  EXPECT_EQ(f.hittestrightbottompoint, (POINT{280, 206}));
  EXPECT_EQ(f.captionrect, (RECT{5, 3, 280, 20}));
  EXPECT_EQ(f.buttonsoffset, 3);
  EXPECT_EQ(f.borderwidth, 3);
  EXPECT_EQ(f.formminwidth, 200);
  EXPECT_EQ(f.inactiveeffect, TInactiveEffect::ieGrayScale);
  EXPECT_EQ(f.bgpictureindex, -1);
  EXPECT_EQ(f.mdibgpictureindex, -1);
}

TEST_F(OwnSkin, LayerFrameAndItsImage) {
  const TskDataSkinLayerFrame& l = data->LayerFrame();
  EXPECT_EQ(l.pictureindex, 8);
  EXPECT_EQ(l.maskpictureindex, 5);
  EXPECT_EQ(l.inactivepictureindex, -1);
  EXPECT_EQ(l.inactivemaskpictureindex, -1);
  EXPECT_EQ(l.lefttoppoint, (POINT{31, 46}));
  EXPECT_EQ(l.righttoppoint, (POINT{140, 45}));
  EXPECT_EQ(l.leftbottompoint, (POINT{21, 113}));
  EXPECT_EQ(l.rightbottompoint, (POINT{151, 113}));
  EXPECT_EQ(l.clientrect, (RECT{18, 46, 155, 115}));
  EXPECT_EQ(l.borderrect, (RECT{14, 14, 158, 118}));
  EXPECT_TRUE(l.hittestenable);
  EXPECT_TRUE(l.fullborder);
  EXPECT_EQ(l.hittestsize, 3);
  EXPECT_EQ(l.captionrect, (RECT{21, 18, 152, 39}));
  EXPECT_EQ(l.buttonstopoffset, 21);
  EXPECT_EQ(l.sysbuttontopoffset, 21);
  EXPECT_EQ(l.intersectblurmaskrect, (RECT{15, 15, 158, 118}));
  EXPECT_EQ(l.excludeblurmaskrect, (RECT{18, 46, 155, 115}));
  EXPECT_EQ(l.alphablendvalue, 255);
  EXPECT_EQ(l.inactivealphablendvalue, 255);
  ASSERT_NE(l.ActiveImage, nullptr);
  EXPECT_EQ(l.ActiveImage->Width(), 173);
  EXPECT_TRUE(l.ActiveImage->PartialAlpha);
  EXPECT_EQ(l.InactiveImage, nullptr);
}

TEST_F(OwnSkin, Colours) {
  const TskSkinColors& c = data->SkinColors();
  const TColor expected[] = {15263459, 0, 16777215, 0, 5819121, 16777215, 16777215, 11249314};
  const TColor actual[] = {c.cbtnface,   c.cbtntext,       c.cwindow,       c.cwindowtext,
                           c.chighlight, c.chighlighttext, c.cbtnhighlight, c.cbtnshadow};
  for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(actual[i], expected[i]) << i;
}

TEST_F(OwnSkin, CaptionButtons) {
  struct Button {
    std::u16string_view name;
    std::int32_t mask, activeMask, inactiveMask;
  };
  for (const Button& b : {Button{u"closebutton", 12, 12, 13}, Button{u"maxbutton", 12, 12, 13},
                          Button{u"minbutton", 12, 12, 13}, Button{u"sysmenubutton", 14, 14, 15}}) {
    SCOPED_TRACE(ToUtf8(b.name));
    const auto& button = Object<TskDataSkinStdButton>(b.name);
    EXPECT_EQ(button.activepictureindex, 0);
    EXPECT_TRUE(button.skinrectinapicture);
    EXPECT_TRUE(button.morphing);
    EXPECT_EQ(button.morphkind, TMorphKind::mkDefault);
    EXPECT_EQ(button.alphamaskpictureindex, b.mask);
    EXPECT_EQ(button.alphamaskactivepictureindex, b.activeMask);
    EXPECT_EQ(button.alphamaskinactivepictureindex, b.inactiveMask);
    EXPECT_NE(button.AlphaImage, nullptr);
  }
  EXPECT_EQ(Object<TskDataSkinStdButton>(u"closebutton").command, TskStdCommand::cmClose);
}

TEST_F(OwnSkin, Caption) {
  const auto& c = Object<TskDataSkinCaption>(u"caption");
  EXPECT_EQ(c.activepictureindex, 0);
  EXPECT_FALSE(c.skinrectinapicture);
  EXPECT_EQ(c.skinrect, (RECT{5, 4, 280, 20}));
  EXPECT_EQ(c.textrect, (RECT{5, 0, 269, 16}));
  EXPECT_EQ(c.fontname, u"Arial");
  EXPECT_EQ(c.fontheight, 14);
  EXPECT_EQ(c.fontstyle, TFontStyles{fsBold});
  EXPECT_EQ(c.fontcolor, 8289918);
  EXPECT_EQ(c.activefontcolor, 3355443);
  EXPECT_EQ(c.alignment, TAlignment::taLeftJustify);
  EXPECT_TRUE(c.gloweffect);
  EXPECT_TRUE(c.glowinactiveeffect);
  EXPECT_EQ(c.glowsize, 2);
  EXPECT_EQ(c.glowcolor, 16777215);
  EXPECT_EQ(c.glowactivecolor, 16777215);
  EXPECT_EQ(c.quickbuttonalphamaskpictureindex, 17);
}

TEST_F(OwnSkin, PushButton) {
  const auto& b = Control<TskDataSkinButtonControl>(u"resizebutton");
  EXPECT_EQ(b.pictureindex, 4);
  EXPECT_EQ(b.skinrect, (RECT{90, 224, 130, 263}));
  EXPECT_EQ(b.lefttoppoint, (POINT{7, 7}));
  EXPECT_EQ(b.righttoppoint, (POINT{32, 6}));
  EXPECT_EQ(b.leftbottompoint, (POINT{7, 30}));
  EXPECT_EQ(b.rightbottompoint, (POINT{34, 32}));
  EXPECT_EQ(b.clientrect, (RECT{2, 2, 38, 37}));
  EXPECT_TRUE(b.leftstretch && b.topstretch && b.rightstretch && b.bottomstretch && b.stretcheffect);
  EXPECT_EQ(b.stretchtype, TStretchType::stFull);
  EXPECT_EQ(b.fontname, u"Arial");
  EXPECT_EQ(b.fontheight, 14);
  EXPECT_EQ(b.fontcolor, 0);
  EXPECT_EQ(b.activefontcolor, 0);
  EXPECT_EQ(b.downfontcolor, 0);
  EXPECT_EQ(b.disabledfontcolor, 14144205);
  EXPECT_EQ(b.activeskinrect, (RECT{132, 224, 172, 263}));
  EXPECT_EQ(b.downskinrect, (RECT{173, 224, 213, 263}));
  EXPECT_TRUE(b.morphing);
  EXPECT_EQ(b.animateinterval, 20);
  EXPECT_EQ(b.menumarkerrect, (RECT{307, 296, 312, 300}));
  EXPECT_EQ(b.menumarkertransparentcolor, 16711935);
  EXPECT_EQ(b.glowlayerpictureindex, -1);
}

TEST_F(OwnSkin, Gauge) {
  const auto& g = Control<TskDataSkinGaugeControl>(u"gauge");
  EXPECT_EQ(g.pictureindex, 4);
  EXPECT_EQ(g.skinrect, (RECT{4, 91, 22, 106}));
  EXPECT_EQ(g.lefttoppoint, (POINT{5, 8}));
  EXPECT_EQ(g.righttoppoint, (POINT{13, 7}));
  EXPECT_EQ(g.leftbottompoint, (POINT{0, 0}));
  EXPECT_EQ(g.rightbottompoint, (POINT{0, 0}));
  EXPECT_EQ(g.clientrect, (RECT{2, 2, 15, 14}));
  EXPECT_FALSE(g.leftstretch || g.topstretch || g.rightstretch || g.bottomstretch);
  EXPECT_EQ(g.progressarea, (RECT{2, 2, 17, 14}));
  EXPECT_EQ(g.progressrect, (RECT{24, 94, 43, 105}));
  EXPECT_EQ(g.beginoffset, 0);
  EXPECT_EQ(g.endoffset, 0);
  EXPECT_FALSE(g.vertical);
  EXPECT_EQ(g.fontname, u"Arial");
  EXPECT_EQ(g.fontheight, 14);
  EXPECT_EQ(g.animationtimerinterval, 30);
  EXPECT_EQ(g.animationcountframes, 0);
  EXPECT_EQ(g.progressanimationcountframes, 0);
}

}  // namespace
}  // namespace qb
