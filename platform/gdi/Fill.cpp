#include "platform/gdi/Fill.h"

#include <algorithm>

namespace qb {

RECT FillClipped(const DrawTarget& target, const RECT& area, std::uint32_t pixel) {
  for (const RECT& clip : target.clip.Rects()) {
    const LONG left = std::max(clip.left, area.left), right = std::min(clip.right, area.right);
    const LONG top = std::max(clip.top, area.top), bottom = std::min(clip.bottom, area.bottom);
    if (left >= right || top >= bottom) continue;
    for (LONG y = top; y < bottom; ++y) std::fill(target.surface->Row(y) + left, target.surface->Row(y) + right, pixel);
  }
  const RECT b = target.clip.Bounds();
  return RECT{std::max(b.left, area.left), std::max(b.top, area.top), std::min(b.right, area.right),
              std::min(b.bottom, area.bottom)};
}

RECT ToSurface(const DcState& state, const DrawTarget& target, const RECT& logical) {
  const POINT a = ToDevice(state, POINT{logical.left, logical.top});
  const POINT b = ToDevice(state, POINT{logical.right, logical.bottom});
  return RECT{a.x + target.origin.x, a.y + target.origin.y, b.x + target.origin.x, b.y + target.origin.y};
}

}  // namespace qb
