// The hint window, the popup menu window and the menu items.
#pragma once

#include "tools/skingen/Raster.h"

namespace qb::skingen {

namespace popup {
constexpr int kHintSize = 44;
constexpr int kMenuWidth = 93;
constexpr int kMenuHeight = 55;
constexpr int kItemsWidth = 113;
constexpr int kItemsHeight = 127;
constexpr RECT kItem{0, 0, 113, 20};
constexpr RECT kItemActive{0, 21, 113, 41};
constexpr RECT kItemDisabled{0, 42, 113, 62};
constexpr RECT kDivider{0, 63, 113, 68};
constexpr RECT kCheck{0, 69, 16, 85};
constexpr RECT kCheckActive{17, 69, 33, 85};
constexpr RECT kArrow{34, 69, 50, 85};
constexpr RECT kArrowActive{51, 69, 67, 85};
constexpr RECT kBarItem{0, 86, 40, 106};
constexpr RECT kBarItemActive{41, 86, 81, 106};
constexpr RECT kBarItemDown{0, 107, 40, 127};
}  // namespace popup

struct PopupPictures {
  Raster hint;
  Raster hintMask;  // black inside
  Raster menu;
  Raster menuMask;  // black inside
  Raster items;
};

PopupPictures PaintPopups();

}  // namespace qb::skingen
