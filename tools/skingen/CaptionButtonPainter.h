// The caption buttons: their looks side by side in the picture of frame
// objects, and the alpha masks that give them their rounded shape.
#pragma once

#include "tools/skingen/Raster.h"

namespace qb::skingen {

enum class ButtonLook { kNormal, kHot, kPressed, kInactive };

// Rows of the picture of frame objects. The caption buttons come first, the
// smaller buttons of the menu bar below them.
enum class ButtonRow {
  kClose,
  kMaximize,
  kMaximizeRestore,
  kMinimize,
  kMinimizeRestore,
  kSysMenu,
  kBarClose,
  kBarMaximize,
  kBarMaximizeRestore,
  kBarMinimize,
  kBarSysMenu,
};

// Where one look of one button lies in the picture of frame objects.
RECT ButtonLookRect(ButtonRow row, ButtonLook look);

struct CaptionButtonPictures {
  Raster objects;          // every look of every button
  Raster buttonMask;       // alpha of the normal, hot and pressed looks
  Raster inactiveMask;     // alpha of the inactive look
  Raster sysMenuMask;      // the same two for the narrower system-menu button
  Raster sysMenuInactiveMask;
  Raster quickButtonMask;  // alpha of the caption's quick buttons
};

CaptionButtonPictures PaintCaptionButtons();

}  // namespace qb::skingen
