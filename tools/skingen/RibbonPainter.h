// The ribbon and the application menu: their bands, tabs and frames.
#pragma once

#include "tools/skingen/Raster.h"

namespace qb::skingen {

namespace ribbon {
constexpr int kWidth = 342;
constexpr int kHeight = 169;
constexpr RECT kTabBar{0, 0, 60, 24};
constexpr RECT kTab{62, 0, 112, 24};
constexpr RECT kTabActive{114, 0, 164, 24};
constexpr RECT kTabHot{166, 0, 216, 24};
constexpr RECT kPage{0, 26, 120, 120};
constexpr RECT kGroup{122, 26, 222, 120};
constexpr RECT kGroupHot{224, 26, 324, 120};
constexpr RECT kButtonHot{0, 122, 40, 162};
constexpr RECT kButtonDown{42, 122, 82, 162};
constexpr int kGroupCaptionHeight = 18;

constexpr int kAppMenuWidth = 210;
constexpr int kAppMenuHeight = 133;
constexpr int kAppMenuBackgroundSize = 200;
}  // namespace ribbon

struct RibbonPictures {
  Raster ribbon;
  Raster appMenu;
  Raster appMenuBackground;
};

RibbonPictures PaintRibbon();

}  // namespace qb::skingen
