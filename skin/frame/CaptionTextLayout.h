// Where the caption text goes inside its rectangle.
#pragma once

#include "platform/WinTypes.h"
#include "skin/data/SkinValues.h"

namespace qb {

// The top-left of a text of textWidth × textHeight in `r`: centred
// vertically (integer halves, rounded towards zero), left, right or centred
// horizontally (always centred while quick buttons exist), and one pixel
// higher when the font's height is odd.
POINT CaptionTextOrigin(const RECT& r, int textWidth, int textHeight, TAlignment alignment, bool centreForced,
                        int fontHeight);

// The caption record's text rectangle placed in the object's current
// rectangle: `textrect` with its right edge following the object's width,
// then moved by `frametextrect` when the record has a `framerect`; offsets
// from the object's top-left. Empty when `textrect` is empty.
RECT CaptionTextRect(const RECT& textrect, const RECT& skinrect, const RECT& framerect, const RECT& frametextrect,
                     int objectWidth, int quickButtonsWidth);

}  // namespace qb
