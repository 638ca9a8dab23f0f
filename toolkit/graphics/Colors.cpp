#include "toolkit/graphics/Colors.h"

#include "platform/gdi/DrawingObjects.h"

namespace qb {

COLORREF ColorToRGB(TColor color) {
  const auto bits = std::uint32_t(color);
  if ((bits & 0xFF000000u) == 0xFF000000u) return GetSysColor(int(bits & 0xFFu));
  return bits & 0x00FFFFFFu;
}

}  // namespace qb
