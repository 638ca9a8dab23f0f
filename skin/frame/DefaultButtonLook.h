// The look of a caption button of the unskinned frame: a plain face, a navy
// frame with a light blue fill while hot, a darker fill while pressed, and a
// small glyph for its command.
#pragma once

#include "skin/data/SkinValues.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

struct DefaultButtonState {
  TskStdCommand command = TskStdCommand::cmClose;
  bool hot = false;
  bool pressed = false;
  bool enabled = true;
  // The restore glyph replaces the maximize, minimize and roll-up glyphs.
  bool restore = false;
};

// Paints the whole of `bitmap` (already sized).
void DrawDefaultButton(TBitmap& bitmap, const DefaultButtonState& state);

// The fills of the hot and the pressed-and-hot looks.
constexpr TColor kDefaultButtonHotFill = 13811126;      // red 182, green 189, blue 210
constexpr TColor kDefaultButtonPressedFill = 11899781;  // red 133, green 146, blue 181

}  // namespace qb
