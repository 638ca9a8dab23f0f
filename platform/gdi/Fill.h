// Filling parts of a drawing target, limited by its clip region.
#pragma once

#include "platform/gdi/DeviceContext.h"

namespace qb {

// Sets every pixel of `area` (surface coordinates) that the clip allows to
// `pixel`; returns the part of `area` inside the clip's bounds.
RECT FillClipped(const DrawTarget& target, const RECT& area, std::uint32_t pixel);

// The rectangle in surface coordinates for a logical rectangle.
RECT ToSurface(const DcState& state, const DrawTarget& target, const RECT& logical);

}  // namespace qb
