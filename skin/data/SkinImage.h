// A 32-bit picture with alpha derived from the skin's pictures when a skin is
// loaded: the layer frame's images and the prepared caption-button images.
// Pixels are bytes blue, green, red, alpha, rows top-down.
#pragma once

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/Surface.h"

namespace qb {

struct SkinImage {
  Surface pixels;
  bool KeyTransparent = false;  // drawn with the colour key instead of alpha
  bool PartialAlpha = false;    // some pixel's alpha is neither 0 nor 255

  // The part `rect` of the picture, alpha 0; pixels outside the picture are 0.
  static SkinImage FromRect(const Dib& picture, const RECT& rect);

  // Every pixel's alpha becomes the grey level (R + G + B) / 3, rounded, of
  // the mask pixel at the same place; pixels beyond the mask get alpha 0.
  void MaskToAlpha(const Dib& mask);
  // Each colour channel c := alpha × c / 255, rounded.
  void Premultiply();
  void SetAlpha(BYTE alpha);
  void UpdatePartialAlpha();
};

// The colour of one pixel of a picture of any supported bit depth, as a
// 32-bit pixel with the picture's own alpha byte (0 for all but 32-bit).
std::uint32_t DibPixel(const Dib& dib, int x, int y);

}  // namespace qb
