// Blending 32-bit pixels (0xAARRGGBB words) whose colours are not
// premultiplied, source alpha a over a target pixel d:
// a = 255 gives the source, a = 0 keeps the target, otherwise
// - bpMMX, the form used on every current processor: each of the four
//   channels, alpha included, becomes (a × s + (256 − a) × d) / 256,
//   truncated;
// - bpPlain: each colour channel becomes (a × s + (255 − a) × d) / 256,
//   truncated, and alpha becomes 255.
#pragma once

#include <cstdint>

namespace qb {

enum TskBlendPath { bpMMX, bpPlain };

std::uint32_t BlendPixel(std::uint32_t source, std::uint32_t target, TskBlendPath path);

// Blends `count` source pixels over the target pixels at the same places,
// skipping fully transparent stretches and copying fully opaque ones.
void BlendRow(const std::uint32_t* source, std::uint32_t* target, int count, TskBlendPath path);

}  // namespace qb
