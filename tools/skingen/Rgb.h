// Colours as the painters work with them: straight (not premultiplied)
// channels in 0 … 255 as floats, so that gradients and blends do not band
// before the final rounding.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace qb::skingen {

struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

constexpr Rgb Hex(std::uint32_t rrggbb) {
  return {float((rrggbb >> 16) & 0xFF), float((rrggbb >> 8) & 0xFF), float(rrggbb & 0xFF)};
}

// From a Windows colour value 0x00BBGGRR, as the definition writes colours.
constexpr Rgb FromColorRef(COLORREF c) {
  return {float(GetRValue(c)), float(GetGValue(c)), float(GetBValue(c))};
}

constexpr Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Rgb Grey(float level) { return {level, level, level}; }

// A colour with its coverage: what a shader returns for one point.
struct Sample {
  Rgb color;
  float alpha = 0;
};

}  // namespace qb::skingen
