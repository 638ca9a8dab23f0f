// Reading single pixels of a device-independent bitmap of any stored format.
#pragma once

#include <cstdint>

#include "platform/gdi/Dib.h"

namespace qb {

// The colour of one pixel of a picture of 1, 4, 8, 24 or 32 bits per pixel,
// as a 0xAARRGGBB word with the picture's own alpha byte (0 for all but
// 32-bit pictures). A palette index beyond the palette reads as black.
std::uint32_t DibPixel(const Dib& dib, int x, int y);

}  // namespace qb
