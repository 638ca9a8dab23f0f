// The wide form of BlendRow's block loop for processors with AVX2, chosen
// once at start-up. Its file alone is compiled for AVX2, so nothing else may
// call into it unless Avx2BlendAvailable() says so.
#pragma once

#include <cstdint>

#include "skin/data/SurfaceBlend.h"

namespace qb {

bool Avx2BlendAvailable();

// Blends whole blocks of eight pixels from the start of the row and returns
// how many pixels it handled; the caller blends the rest.
int BlendBlocksAvx2(const std::uint32_t* source, std::uint32_t* target, int count, TskBlendPath path);

}  // namespace qb
