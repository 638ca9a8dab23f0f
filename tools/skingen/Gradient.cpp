#include "tools/skingen/Gradient.h"

#include <algorithm>

#include "platform/Check.h"

namespace qb::skingen {

Gradient::Gradient(std::initializer_list<std::pair<float, Rgb>> stops) : stops_(stops) {
  QB_CHECK(!stops_.empty());
}

Gradient::Gradient(Rgb flat) : stops_{{0.0f, flat}} {}

Rgb Gradient::At(float t) const {
  if (t <= stops_.front().first) return stops_.front().second;
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    const auto& [p1, c1] = stops_[i];
    if (t <= p1) {
      const auto& [p0, c0] = stops_[i - 1];
      return p1 > p0 ? Mix(c0, c1, (t - p0) / (p1 - p0)) : c1;
    }
  }
  return stops_.back().second;
}

Rgb Gradient::AtRow(float y, float top, float bottom) const {
  if (bottom <= top) return At(0);
  return At(std::clamp((y - top) / (bottom - top), 0.0f, 1.0f));
}

}  // namespace qb::skingen
