// Pixel arithmetic shared by the drawing functions. Pixels are 0xAARRGGBB
// words (bytes blue, green, red, alpha in memory).
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace qb {

// x / 255 rounded to the nearest integer, exact for 0 ≤ x ≤ 255 × 255.
constexpr std::uint32_t Div255(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// A COLORREF as a pixel. GDI writes colour only, so the alpha byte is 0.
constexpr std::uint32_t PixelFromColor(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

// Source-over with a premultiplied source pixel s whose four channels were
// already scaled by the constant alpha: every channel becomes
// s + round(d × (255 − alpha of s) / 255), at most 255.
inline std::uint32_t BlendPremultiplied(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t keep = 255 - (s >> 24);
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t c = ((s >> shift) & 0xFF) + Div255(((d >> shift) & 0xFF) * keep);
    out |= (c > 255 ? 255 : c) << shift;
  }
  return out;
}

// Every channel (alpha too) multiplied by a / 255, rounded.
inline std::uint32_t ScalePixel(std::uint32_t p, std::uint32_t a) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) out |= Div255(((p >> shift) & 0xFF) * a) << shift;
  return out;
}

// Mixing with a constant weight and no per-pixel alpha: every channel
// becomes round((s × a + d × (255 − a)) / 255).
inline std::uint32_t MixConstant(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    out |= Div255(((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a)) << shift;
  }
  return out;
}

}  // namespace qb
