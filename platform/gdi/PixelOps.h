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

// The blends below work on two channels at once: red and blue, or alpha
// and green, each in its own 16-bit lane of a 32-bit word.
constexpr std::uint32_t kLaneMask = 0x00FF00FF;

// Div255 in both lanes; each lane must hold at most 255 × 255.
constexpr std::uint32_t Div255Lanes(std::uint32_t x) {
  x += 0x00800080;
  return ((x + ((x >> 8) & kLaneMask)) >> 8) & kLaneMask;
}

// Lanes of at most 510 limited to 255.
constexpr std::uint32_t SaturateLanes(std::uint32_t x) { return (x | (((x >> 8) & 0x00010001) * 0xFF)) & kLaneMask; }

// Source-over with a premultiplied source pixel s whose four channels were
// already scaled by the constant alpha: every channel becomes
// s + round(d × (255 − alpha of s) / 255), at most 255.
constexpr std::uint32_t BlendPremultiplied(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t keep = 255 - (s >> 24);
  const std::uint32_t rb = SaturateLanes((s & kLaneMask) + Div255Lanes((d & kLaneMask) * keep));
  const std::uint32_t ag = SaturateLanes(((s >> 8) & kLaneMask) + Div255Lanes(((d >> 8) & kLaneMask) * keep));
  return rb | (ag << 8);
}

// Every channel (alpha too) multiplied by a / 255, rounded.
constexpr std::uint32_t ScalePixel(std::uint32_t p, std::uint32_t a) {
  return Div255Lanes((p & kLaneMask) * a) | (Div255Lanes(((p >> 8) & kLaneMask) * a) << 8);
}

// Mixing with a constant weight and no per-pixel alpha: every channel
// becomes round((s × a + d × (255 − a)) / 255).
constexpr std::uint32_t MixConstant(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  const std::uint32_t rb = Div255Lanes((s & kLaneMask) * a + (d & kLaneMask) * (255 - a));
  const std::uint32_t ag = Div255Lanes(((s >> 8) & kLaneMask) * a + ((d >> 8) & kLaneMask) * (255 - a));
  return rb | (ag << 8);
}

}  // namespace qb
