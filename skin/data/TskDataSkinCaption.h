// A skin object of type "caption": the caption bar's text area with its font,
// colours, glow, reflection and divider.
#pragma once

#include "skin/data/TskDataSkinObject.h"

namespace qb {

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;

  RECT textrect{};
  std::u16string fontname = u"Tahoma";
  std::int32_t fontheight = 13;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TAlignment alignment = TAlignment::taCenter;
  bool light = false;
  TColor lightcolor = 0;
  TColor activelightcolor = 0;
  bool shadow = false;
  TColor shadowcolor = 0;
  TColor activeshadowcolor = 0;
  RECT framerect{};
  RECT activeframerect{};
  RECT frametextrect{};
  std::int32_t frameleftoffset = 0;
  std::int32_t framerightoffset = 0;
  bool stretcheffect = false;
  RECT animateskinrect{};
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool inactiveanimation = false;
  bool fullframe = false;
  bool vistagloweffect = false;
  bool vistaglowinactiveeffect = false;
  bool gloweffect = false;
  bool glowinactiveeffect = false;
  std::int32_t glowsize = 3;
  TColor glowcolor = 0;
  TColor glowactivecolor = 0;
  std::int32_t glowoffset = 0;
  bool reflectioneffect = false;
  TColor reflactioncolor = 0;  // the keys are spelled so in every skin
  TColor reflactionactivecolor = 0;
  std::int32_t reflectionoffset = 0;
  RECT dividerrect{};
  RECT inactivedividerrect{};
  bool dividertransparent = false;
  TColor dividertransparentcolor = 0;
  std::int32_t quickbuttonalphamaskpictureindex = -1;

 protected:
  void Exchange(SkinIniExchange& x) override;
};

}  // namespace qb
