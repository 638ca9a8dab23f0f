// Text operations of the caption painting, on a canvas with its current
// font and font colour. Text is drawn with a clear background.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

// The platform's text drawing with the given DT_ format flags; returns its
// result, the height of the text (and with DT_CALCRECT fills in `rect`).
int DrawTextWithFormat(TCanvas& canvas, const std::u16string& text, RECT& rect, UINT format);

// The size of the rectangle that measuring with DT_CALCRECT alone, from an
// empty rectangle, gives for the text.
int TextWidth(TCanvas& canvas, const std::u16string& text);
int TextHeight(TCanvas& canvas, const std::u16string& text);

// The text when it fits `maxWidth`; otherwise the longest start of it whose
// width with "..." appended fits (down to the empty start), followed by
// "...". A surrogate pair is removed as one character.
std::u16string EllipsisText(TCanvas& canvas, const std::u16string& text, int maxWidth);

}  // namespace qb
