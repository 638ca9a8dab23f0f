// A skin object of type "mainmenubarbutton": a standard button drawn on the
// main menu bar; it reads the same keys.
#pragma once

#include "skin/data/TskDataSkinStdButton.h"

namespace qb {

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
 public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
};

}  // namespace qb
