// A small line drawing (a cross, a box, an arrow) made of strokes of one
// thickness and filled triangles, in one colour.
#pragma once

#include <vector>

#include "tools/skingen/Raster.h"

namespace qb::skingen {

struct Stroke {
  float x0, y0, x1, y1;
};

struct Triangle {
  float x0, y0, x1, y1, x2, y2;
};

struct Glyph {
  std::vector<Stroke> strokes;
  std::vector<Triangle> triangles;
  float thickness = 1.5f;

  Glyph Moved(float dx, float dy) const;
  bool Covers(float x, float y) const;
  // Draws the glyph in color inside area.
  void PaintOn(Raster& raster, const RECT& area, Rgb color) const;
};

// The glyphs of the caption buttons and arrows, drawn in a box of the given
// size at the origin.
Glyph CloseGlyph(float width, float height);
Glyph MaximizeGlyph(float width, float height);
Glyph RestoreGlyph(float width, float height);
Glyph MinimizeGlyph(float width, float height);
Glyph MenuGlyph(float width, float height);
// A filled arrow pointing in one direction: 0 up, 1 right, 2 down, 3 left.
Glyph ArrowGlyph(float width, float height, int direction, float size);
Glyph CheckGlyph(float width, float height);

}  // namespace qb::skingen
