// The smallest and largest sizes the frame allows its window: reported as
// the tracking limits, applied when a skin is applied, used to clamp resizing
// through the layered frame, and the threshold below which the frame keeps
// its old geometry.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

struct FrameSizeLimits {
  // The component's MinWidth, MinHeight, MaxWidth, MaxHeight (0 = none).
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  bool Minimized = false;
  bool RolledUp = false;
  // Height of the unskinned caption (19, or 15 for tool windows).
  int DefaultCaptionHeight = 19;

  // A skin is loaded; the fields below describe it.
  bool Skinned = false;
  // Size of the skin's main form picture.
  int PictureWidth = 0;
  int PictureHeight = 0;
  // The form record's formminwidth, formminheight and client height.
  int FormMinWidth = 0;
  int FormMinHeight = 0;
  int ClientRectHeight = 0;
  // The full-border layered frame is in use.
  bool FullBorder = false;

  int GetMinWidth() const;
  int GetMinHeight() const;
  // The largest size: the property when set, else the size of `limit` (the
  // monitor rectangle when maximizing to the full screen, else the work
  // area).
  int GetMaxWidth(const RECT& limit) const;
  int GetMaxHeight(const RECT& limit) const;
};

}  // namespace qb
