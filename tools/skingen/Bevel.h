// A rounded shape drawn as rings along its edge (an outline, a highlight …)
// around a vertical gradient. Each ring has a colour for the lit side (edges
// facing up or left) and one for the shaded side (facing down or right), so
// one description gives raised and sunken looks alike.
#pragma once

#include <vector>

#include "tools/skingen/Gradient.h"
#include "tools/skingen/Raster.h"
#include "tools/skingen/RoundRect.h"

namespace qb::skingen {

struct Ring {
  float width = 1;
  Rgb lit;
  Rgb shaded;
  float opacity = 1;  // over the body colour below the ring
};

struct Bevel {
  RoundRect shape;
  std::vector<Ring> rings;  // from the outer edge inwards
  Gradient body;
  float bodyTop = 0;  // the rows the body gradient runs over
  float bodyBottom = 0;

  Sample At(float x, float y) const;
  void PaintOn(Raster& raster) const;
};

}  // namespace qb::skingen
