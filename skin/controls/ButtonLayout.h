// Laying out and drawing a button's content: a caption with an optional
// glyph (one cell of a glyph strip) or image-list image, and the skin's
// dotted focus rectangle. Text is drawn with the canvas's current font and
// font colour, over a transparent background. Divisions by 2 truncate.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "toolkit/graphics/TBitmap.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

class TskImageList;

enum TskButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The number of equal cells side by side in a glyph strip: 1 normal,
// 2 disabled, 3 pressed, 4 under the mouse.
using TskNumGlyphs = int;

struct ButtonContentLayout {
  POINT glyph;
  POINT text;
};

// Places a glyph of glyphWidth × glyphHeight and a text of textWidth ×
// textHeight in `rect`. A margin of -1 centres glyph and text as one block;
// any other margin is the glyph's distance from the edge on its side. The
// spacing counts as 0 when there is no glyph.
ButtonContentLayout CalcButtonLayout(TskButtonLayout layout, const RECT& rect, int glyphWidth, int glyphHeight,
                                     int textWidth, int textHeight, int margin, int spacing);

// The caption (word-wrapped, each line centred) and cell `cell` of the
// glyph strip, laid out in `rect`.
void DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int margin, int cell, TskNumGlyphs numGlyphs,
                      TBitmap& glyph, const std::u16string& caption, TskButtonLayout layout, int spacing);

// The caption and image `imageIndex` of `images` (none when the index is out
// of range or there is no list), drawn enabled or greyed.
void DrawImageAndText(TCanvas& canvas, const RECT& rect, int margin, bool enabled, const TskImageList* images,
                      int imageIndex, const std::u16string& caption, TskButtonLayout layout, int spacing);

// Cell `cell` (1-based) of the strip at (x, y); the cell's bottom-left pixel
// is its transparent colour. Remainder columns of a strip that does not
// divide evenly are never drawn.
void DrawGlyphCell(TCanvas& canvas, int x, int y, int cell, TskNumGlyphs numGlyphs, TBitmap& glyph);

// A dotted outline just inside `rect` in the font colour: every other pixel
// along the edges, clockwise from the top-left corner, which is unset when
// the outline's width and height (one less than the rectangle's) are both
// even, and set otherwise.
void DrawSkinFocusRect(TCanvas& canvas, const RECT& rect);

}  // namespace qb
