// A skin control composed from a skin rectangle: fixed corners, edges that
// are stretched or tiled, and a client area (all offsets inside skinrect).
#pragma once

#include "skin/data/SkinValues.h"
#include "skin/data/TskDataSkinControl.h"

namespace qb {

class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;

  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};
  RECT clientrect{};
  bool leftstretch = false;
  bool topstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;

 protected:
  void Exchange(SkinIniExchange& x) override;
};

}  // namespace qb
