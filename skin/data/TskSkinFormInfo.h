// The form frame values of a skin ([FORMINFO]): where the frame's corners,
// edges, client area, caption and buttons lie in the main picture, and how
// the frame is stretched and hit-tested.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/WinTypes.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"
#include "skin/data/SkinValues.h"

namespace qb {

class TskSkinFormInfo {
 public:
  // Reads [FORMINFO]. With a mask picture named, maskrectarea is made to
  // cover clientrect and hit-test points with a 0 coordinate take the
  // corner point of their position. Afterwards the corner points are pulled
  // into clientrect unless the frame has no extent between its corners.
  void LoadFromIni(const SkinIni& ini, std::u16string_view maskName);
  void SaveToIni(SkinIni& ini) const;

  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};
  RECT clientrect{};
  std::int32_t bgpictureindex = -1;
  std::int32_t mdibgpictureindex = -1;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;
  bool mdibgstretcheffect = false;
  TStretchType mdibgstretchtype = TStretchType::stFull;
  RECT maskrectarea{};
  POINT hittestlefttoppoint{};
  POINT hittestrighttoppoint{};
  POINT hittestleftbottompoint{};
  POINT hittestrightbottompoint{};
  RECT buttonsrect{};
  RECT captionrect{};
  std::int32_t buttonsoffset = 0;
  bool buttonsinleft = false;
  bool mainmenupopupup = false;
  std::int32_t borderwidth = 0;
  std::int32_t formminwidth = 0;
  std::int32_t formminheight = 0;
  bool mditabstransparent = false;
  bool mainmenubartransparent = false;
  bool autorenderinginactiveimage = false;
  TInactiveEffect inactiveeffect = TInactiveEffect::ieBrightness;

 private:
  void Exchange(SkinIniExchange& x, bool maskNamed);
  void CoverClientWithMask();
  void PullCornersIntoClient();
};

}  // namespace qb
