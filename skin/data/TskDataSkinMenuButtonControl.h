// A skin control of type "menubutton": a push button with a separate track
// part that opens its menu.
#pragma once

#include "skin/data/TskDataSkinButtonControl.h"

namespace qb {

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;

  RECT trackbuttonrect{};

 protected:
  void Exchange(SkinIniExchange& x) override {
    TskDataSkinButtonControl::Exchange(x);
    x.Rect(u"trackbuttonrect", trackbuttonrect);
  }
};

}  // namespace qb
