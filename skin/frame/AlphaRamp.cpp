#include "skin/frame/AlphaRamp.h"

#include <algorithm>

#include "platform/window/MessageApi.h"

namespace qb {

void RampAlpha(int target, const std::function<void(int alpha)>& apply) {
  const int step = std::max(1, target / 15);
  int alpha = 0;
  DWORD last = GetTickCount();
  while (alpha < target) {
    const DWORD now = GetTickCount();
    if (now - last <= 5) continue;
    last = now;
    alpha = std::min(target, alpha + step);
    apply(alpha);
  }
}

}  // namespace qb
