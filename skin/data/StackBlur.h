// The stack blur: a kernel of width 2r + 1 with weights 1, 2, …, r + 1, …,
// 2, 1 and divisor (r + 1)², applied to red, green and blue of 32-bit pixels
// (0xAARRGGBB), first along every row, then along every column. Pixels
// outside the picture are taken from the nearest edge pixel; each pass
// truncates its results; every pixel's alpha becomes 255.
#pragma once

#include <cstdint>

namespace qb {

// `pixels` holds height rows of width pixels each. A radius of 0 or less
// does nothing; radii above 3000 count as 3000, which keeps the channel sums
// within 32 bits.
void StackBlur(std::uint32_t* pixels, int width, int height, int radius);

}  // namespace qb
