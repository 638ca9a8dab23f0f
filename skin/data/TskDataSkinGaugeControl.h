// A skin control of type "gauge": the progress bar's track, progress piece,
// text font and animations.
#pragma once

#include <string>

#include "skin/data/TskDataSkinCustomControl.h"

namespace qb {

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;

  RECT progressarea{};
  RECT progressrect{};
  std::int32_t beginoffset = 0;
  std::int32_t endoffset = 0;
  bool vertical = false;
  std::u16string fontname = u"Tahoma";
  std::int32_t fontheight = 13;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
  bool progressstretch = false;
  RECT animationskinrect{};
  std::int32_t animationcountframes = 0;
  std::int32_t animationtimerinterval = 0;
  RECT progressanimationskinrect{};
  std::int32_t progressanimationcountframes = 0;
  std::int32_t progressanimationtimerinterval = 0;
  std::int32_t animationbeginoffset = 0;
  std::int32_t animationendoffset = 0;

 protected:
  void Exchange(SkinIniExchange& x) override;
};

}  // namespace qb
