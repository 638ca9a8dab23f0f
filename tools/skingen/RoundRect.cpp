#include "tools/skingen/RoundRect.h"

#include <algorithm>
#include <cmath>

namespace qb::skingen {

float RoundRect::Distance(float x, float y) const {
  const float cx = (left + right) / 2;
  const float cy = (top + bottom) / 2;
  const float radius = y < cy ? (x < cx ? topLeft : topRight) : (x < cx ? bottomLeft : bottomRight);
  const float qx = std::abs(x - cx) - (right - left) / 2 + radius;
  const float qy = std::abs(y - cy) - (bottom - top) / 2 + radius;
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

}  // namespace qb::skingen
