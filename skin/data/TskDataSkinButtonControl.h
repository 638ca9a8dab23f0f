// A skin control of type "button": the push button's looks, fonts, morphing,
// menu marker and glow layer.
#pragma once

#include <string>

#include "skin/data/TskDataSkinCustomControl.h"

namespace qb {

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;

  std::u16string fontname = u"Tahoma";
  std::int32_t fontheight = 13;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor disabledfontcolor = 0;
  RECT activeskinrect{};
  RECT downskinrect{};
  RECT focusedskinrect{};
  RECT disabledskinrect{};
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
  RECT animateskinrect{};
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool showfocus = false;
  RECT menumarkerflatrect{};
  RECT menumarkerrect{};
  RECT menumarkeractiverect{};
  RECT menumarkerdownrect{};
  TColor menumarkertransparentcolor = 0;
  std::int32_t glowlayerpictureindex = -1;
  std::int32_t glowlayermaskpictureindex = -1;
  std::int32_t glowlayeroffsetleft = 0;
  std::int32_t glowlayeroffsettop = 0;
  std::int32_t glowlayeroffsetright = 0;
  std::int32_t glowlayeroffsetbottom = 0;
  std::int32_t glowlayershowoffsetx = 0;
  std::int32_t glowlayershowoffsety = 0;
  std::int32_t glowlayeralphablendvalue = 255;

 protected:
  void Exchange(SkinIniExchange& x) override;
};

}  // namespace qb
