#include "tools/skingen/Bevel.h"

#include <algorithm>
#include <cmath>

namespace qb::skingen {
namespace {

// 0 for an edge facing up or left, 1 for one facing down or right, soft
// in between so that the colours turn smoothly round the corners.
float ShadedSide(const RoundRect& shape, float x, float y) {
  constexpr float e = 0.25f;
  const float nx = shape.Distance(x + e, y) - shape.Distance(x - e, y);
  const float ny = shape.Distance(x, y + e) - shape.Distance(x, y - e);
  const float length = std::hypot(nx, ny);
  if (length == 0) return 0.5f;
  const float t = std::clamp(((nx + ny) / length + 0.35f) / 0.7f, 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

}  // namespace

Sample Bevel::At(float x, float y) const {
  const float depth = -shape.Distance(x, y);
  if (depth <= 0) return {};
  const Rgb base = body.AtRow(y, bodyTop, bodyBottom);
  float edge = 0;
  for (const Ring& ring : rings) {
    edge += ring.width;
    if (depth < edge) {
      const Rgb ringColor = Mix(ring.lit, ring.shaded, ShadedSide(shape, x, y));
      return {Mix(base, ringColor, ring.opacity), 1};
    }
  }
  return {base, 1};
}

void Bevel::PaintOn(Raster& raster) const {
  const RECT area{LONG(std::floor(shape.left)), LONG(std::floor(shape.top)), LONG(std::ceil(shape.right)),
                  LONG(std::ceil(shape.bottom))};
  raster.Paint(area, [this](float x, float y) { return At(x, y); });
}

}  // namespace qb::skingen
