// A piecewise linear colour ramp over 0 … 1.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "tools/skingen/Rgb.h"

namespace qb::skingen {

class Gradient {
 public:
  // Stops as (position, colour), positions ascending.
  Gradient(std::initializer_list<std::pair<float, Rgb>> stops);
  explicit Gradient(Rgb flat);

  Rgb At(float t) const;
  // The ramp laid over the rows from top to bottom; rows outside are clamped.
  Rgb AtRow(float y, float top, float bottom) const;

 private:
  std::vector<std::pair<float, Rgb>> stops_;
};

}  // namespace qb::skingen
