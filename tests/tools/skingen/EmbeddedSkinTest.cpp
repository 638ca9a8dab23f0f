#include <gtest/gtest.h>

#include <string>

#include "skin/data/TskDataSkinButtonControl.h"
#include "skin/data/TskDataSkinCaption.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "tools/embed/EmbeddedSkin.h"

namespace qb {
namespace {

// The skin the program carries, loaded the way the window loads it.
class EmbeddedSkinTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored_ = new TskCompressedStoredSkin(nullptr);
    stored_->ReadSkinProperty(EmbeddedSkin());
    data_ = new TskSkinData(nullptr);
    data_->LoadStoredSkin(stored_);
  }
  static void TearDownTestSuite() {
    delete data_;
    delete stored_;
  }
  static const TskSkinData& Data() { return *data_; }

  template <typename Record>
  static const Record& Object(const char16_t* name) {
    const int index = data_->FindObjectIndex(name);
    QB_CHECK(index >= 0);
    const auto* record = dynamic_cast<const Record*>(data_->SkinObjects()[std::size_t(index)].get());
    QB_CHECK(record != nullptr);
    return *record;
  }
  template <typename Record>
  static const Record& Control(const char16_t* name) {
    const int index = data_->FindControlIndex(name);
    QB_CHECK(index >= 0);
    const auto* record = dynamic_cast<const Record*>(data_->SkinControls()[std::size_t(index)].get());
    QB_CHECK(record != nullptr);
    return *record;
  }

 private:
  static inline TskCompressedStoredSkin* stored_ = nullptr;
  static inline TskSkinData* data_ = nullptr;
};

TEST_F(EmbeddedSkinTest, IsAFormAFileOfHeaderVersionThree) {
  const auto bytes = EmbeddedSkin();
  ASSERT_GT(bytes.size(), 10u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
  const std::size_t n = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | std::size_t(bytes[7]) << 24;
  EXPECT_EQ(n + 8, bytes.size());
  EXPECT_EQ(bytes[8], 0x78);
  EXPECT_EQ(bytes[9], 0xDA) << "deflated at level 9";
}

TEST_F(EmbeddedSkinTest, PicturesHaveTheirSizesAndFormatsInOrder) {
  ASSERT_FALSE(Data().Empty());
  EXPECT_EQ(Data().MainPicture().Width(), 285);
  EXPECT_EQ(Data().MainPicture().Height(), 210);
  EXPECT_EQ(Data().MainPicture().PixelFormat(), pf24bit);
  EXPECT_TRUE(Data().InactivePicture().Empty());
  EXPECT_EQ(Data().MaskPicture().Width(), 285);
  EXPECT_EQ(Data().MaskPicture().Height(), 210);
  EXPECT_EQ(Data().MaskPicture().PixelFormat(), pf8bit);
  struct Picture {
    const char16_t* name;
    int width, height;
    TPixelFormat format;
  };
  const Picture expected[] = {
      {u"active.bmp", 124, 173, pf24bit},       {u"hintwindow.bmp", 44, 44, pf24bit},
      {u"pw.bmp", 93, 55, pf24bit},             {u"menuitems.bmp", 113, 127, pf24bit},
      {u"controls.bmp", 682, 396, pf24bit},     {u"layerframemask.bmp", 173, 133, pf24bit},
      {u"pwmask.bmp", 93, 55, pf4bit},          {u"hintwindowmask.bmp", 44, 44, pf1bit},
      {u"layerframe.bmp", 173, 133, pf24bit},   {u"ribbon.bmp", 342, 169, pf24bit},
      {u"appmenu.bmp", 210, 133, pf24bit},      {u"appmenubg.bmp", 200, 200, pf24bit},
      {u"balphamask.bmp", 17, 15, pf24bit},     {u"balphamask1.bmp", 17, 15, pf24bit},
      {u"sbalphamask.bmp", 16, 15, pf24bit},    {u"sbalphamask1.bmp", 16, 15, pf24bit},
      {u"layerframeblurmask.bmp", 173, 133, pf4bit}, {u"qbalphamask.bmp", 23, 24, pf24bit},
  };
  ASSERT_EQ(Data().ActivePictures().size(), std::size(expected));
  ASSERT_EQ(Data().ActivePictureNames().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const TBitmap& p = *Data().ActivePictures()[i];
    EXPECT_EQ(Data().ActivePictureNames()[i], expected[i].name) << i;
    EXPECT_EQ(p.Width(), expected[i].width) << i;
    EXPECT_EQ(p.Height(), expected[i].height) << i;
    EXPECT_EQ(p.PixelFormat(), expected[i].format) << i;
  }
  EXPECT_EQ(Data().PictureName(), u"main.bmp");
  EXPECT_EQ(Data().SkinObjects().size(), 11u);
  EXPECT_EQ(Data().SkinControls().size(), 73u);
}

TEST_F(EmbeddedSkinTest, FrameValuesAreTheWindowsOwn) {
  const TskSkinFormInfo& f = Data().FormInfo();
  EXPECT_EQ(f.lefttoppoint, (POINT{9, 27}));
  EXPECT_EQ(f.righttoppoint, (POINT{273, 27}));
  EXPECT_EQ(f.leftbottompoint, (POINT{4, 205}));
  EXPECT_EQ(f.rightbottompoint, (POINT{279, 205}));
  EXPECT_EQ(f.clientrect, (RECT{3, 26, 282, 207}));
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
  EXPECT_FALSE(f.leftstretch || f.rightstretch || f.topstretch || f.bottomstretch || f.stretcheffect);
  EXPECT_EQ(f.bgpictureindex, -1);

  const TskDataSkinLayerFrame& l = Data().LayerFrame();
  EXPECT_EQ(l.pictureindex, 8);
  EXPECT_EQ(l.maskpictureindex, 5);
  EXPECT_EQ(l.inactivepictureindex, -1);
  EXPECT_EQ(l.lefttoppoint, (POINT{31, 46}));
  EXPECT_EQ(l.righttoppoint, (POINT{140, 45}));
  EXPECT_EQ(l.leftbottompoint, (POINT{21, 113}));
  EXPECT_EQ(l.rightbottompoint, (POINT{151, 113}));
  EXPECT_EQ(l.clientrect, (RECT{18, 46, 155, 115}));
  EXPECT_EQ(l.borderrect, (RECT{14, 14, 158, 118}));
  EXPECT_TRUE(l.hittestenable && l.fullborder);
  EXPECT_EQ(l.hittestsize, 3);
  EXPECT_EQ(l.captionrect, (RECT{21, 18, 152, 39}));
  EXPECT_EQ(l.buttonstopoffset, 21);
  EXPECT_EQ(l.sysbuttontopoffset, 21);
  EXPECT_EQ(l.intersectblurmaskrect, (RECT{15, 15, 158, 118}));
  EXPECT_EQ(l.excludeblurmaskrect, (RECT{18, 46, 155, 115}));
  EXPECT_EQ(l.alphablendvalue, 255);
  EXPECT_EQ(l.inactivealphablendvalue, 255);
  EXPECT_EQ(l.blurmaskpictureindex, -1);
  ASSERT_TRUE(l.ActiveImage);
  EXPECT_TRUE(l.ActiveImage->PartialAlpha);
  EXPECT_FALSE(l.InactiveImage);

  const TskSkinColors& c = Data().SkinColors();
  const TColor colours[] = {c.cbtnface, c.cbtntext,      c.cwindow,       c.cwindowtext,
                            c.chighlight, c.chighlighttext, c.cbtnhighlight, c.cbtnshadow};
  const TColor expected[] = {15263459, 0, 16777215, 0, 5819121, 16777215, 16777215, 11249314};
  for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(colours[i], expected[i]) << i;
}

TEST_F(EmbeddedSkinTest, CaptionAndCaptionButtons) {
  const auto& caption = Object<TskDataSkinCaption>(u"caption");
  EXPECT_EQ(caption.activepictureindex, 0);
  EXPECT_FALSE(caption.skinrectinapicture);
  EXPECT_EQ(caption.skinrect, (RECT{5, 4, 280, 20}));
  EXPECT_EQ(caption.textrect, (RECT{5, 0, 269, 16}));
  EXPECT_EQ(caption.fontname, u"Arial");
  EXPECT_EQ(caption.fontheight, 14);
  EXPECT_EQ(caption.fontstyle, TFontStyles{fsBold});
  EXPECT_EQ(caption.fontcolor, 8289918u);
  EXPECT_EQ(caption.activefontcolor, 3355443u);
  EXPECT_EQ(caption.alignment, TAlignment::taLeftJustify);
  EXPECT_TRUE(caption.gloweffect && caption.glowinactiveeffect);
  EXPECT_EQ(caption.glowsize, 2);
  EXPECT_EQ(caption.glowcolor, 16777215u);
  EXPECT_EQ(caption.glowactivecolor, 16777215u);
  EXPECT_EQ(caption.quickbuttonalphamaskpictureindex, 17);

  struct Button {
    const char16_t* name;
    TskStdCommand command;
    int mask, inactiveMask, width;
  };
  const Button buttons[] = {
      {u"closebutton", TskStdCommand::cmClose, 12, 13, 17},
      {u"maxbutton", TskStdCommand::cmMaximize, 12, 13, 17},
      {u"minbutton", TskStdCommand::cmMinimize, 12, 13, 17},
      {u"sysmenubutton", TskStdCommand::cmSysMenu, 14, 15, 16},
  };
  for (const Button& b : buttons) {
    const auto& r = Object<TskDataSkinStdButton>(b.name);
    const std::string name(b.name, b.name + std::char_traits<char16_t>::length(b.name));
    EXPECT_EQ(r.command, b.command) << name;
    EXPECT_EQ(r.activepictureindex, 0) << name;
    EXPECT_TRUE(r.skinrectinapicture && r.morphing) << name;
    EXPECT_EQ(r.morphkind, TMorphKind::mkDefault) << name;
    EXPECT_EQ(r.alphamaskpictureindex, b.mask) << name;
    EXPECT_EQ(r.alphamaskactivepictureindex, b.mask) << name;
    EXPECT_EQ(r.alphamaskinactivepictureindex, b.inactiveMask) << name;
    for (const RECT& look : {r.skinrect, r.activeskinrect, r.downrect, r.inactiveskinrect}) {
      EXPECT_EQ(look.right - look.left, b.width) << name;
      EXPECT_EQ(look.bottom - look.top, 15) << name;
    }
    // The full-border layer frame makes the prepared images: round corners
    // from the mask, an opaque middle.
    ASSERT_TRUE(r.AlphaImage && r.ActiveAlphaImage && r.DownAlphaImage && r.InactiveAlphaImage) << name;
    EXPECT_LT(r.ActiveAlphaImage->pixels.At(0, 0) >> 24, 255u) << name;
    EXPECT_EQ(r.ActiveAlphaImage->pixels.At(8, 7) >> 24, 255u) << name;
  }
  EXPECT_EQ(Object<TskDataSkinStdButton>(u"maxbutton").restorehint, u"Restore");
}

TEST_F(EmbeddedSkinTest, PushButtonAndGaugeRecords) {
  const auto& b = Control<TskDataSkinButtonControl>(u"resizebutton");
  EXPECT_EQ(b.pictureindex, 4);
  EXPECT_EQ(b.maskpictureindex, -1);
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
  EXPECT_TRUE(b.fontstyle.Empty());
  EXPECT_EQ(b.fontcolor | b.activefontcolor | b.downfontcolor, 0u);
  EXPECT_EQ(b.disabledfontcolor, 14144205u);
  EXPECT_EQ(b.activeskinrect, (RECT{132, 224, 172, 263}));
  EXPECT_EQ(b.downskinrect, (RECT{173, 224, 213, 263}));
  EXPECT_EQ(b.focusedskinrect, (RECT{}));
  EXPECT_EQ(b.disabledskinrect, (RECT{}));
  EXPECT_EQ(b.animateskinrect, (RECT{}));
  EXPECT_TRUE(b.morphing);
  EXPECT_EQ(b.animateinterval, 20);
  EXPECT_EQ(b.menumarkerrect, (RECT{307, 296, 312, 300}));
  EXPECT_EQ(b.menumarkertransparentcolor, 16711935u);
  EXPECT_EQ(b.glowlayerpictureindex, -1);
  EXPECT_EQ(b.glowlayermaskpictureindex, -1);

  const auto& g = Control<TskDataSkinGaugeControl>(u"gauge");
  EXPECT_EQ(g.pictureindex, 4);
  EXPECT_EQ(g.skinrect, (RECT{4, 91, 22, 106}));
  EXPECT_EQ(g.lefttoppoint, (POINT{5, 8}));
  EXPECT_EQ(g.righttoppoint, (POINT{13, 7}));
  EXPECT_EQ(g.leftbottompoint, (POINT{0, 0}));
  EXPECT_EQ(g.rightbottompoint, (POINT{0, 0}));
  EXPECT_EQ(g.clientrect, (RECT{2, 2, 15, 14}));
  EXPECT_FALSE(g.leftstretch || g.topstretch || g.rightstretch || g.bottomstretch || g.stretcheffect);
  EXPECT_EQ(g.progressarea, (RECT{2, 2, 17, 14}));
  EXPECT_EQ(g.progressrect, (RECT{24, 94, 43, 105}));
  EXPECT_EQ(g.beginoffset, 0);
  EXPECT_EQ(g.endoffset, 0);
  EXPECT_FALSE(g.vertical);
  EXPECT_EQ(g.fontname, u"Arial");
  EXPECT_EQ(g.fontheight, 14);
  EXPECT_EQ(g.animationtimerinterval, 30);
  EXPECT_EQ(g.animationcountframes, 0);
}

}  // namespace
}  // namespace qb
