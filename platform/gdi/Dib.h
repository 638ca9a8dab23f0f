// A device-independent bitmap in the pixel format it was stored with, as a
// BMP file holds it: 1, 4 or 8 bits per pixel with a palette, or 24 or 32
// bits per pixel (bytes blue, green, red[, alpha]).
#pragma once

#include <vector>

#include "platform/WinTypes.h"

namespace qb {

struct RGBQUAD {
  BYTE rgbBlue = 0;
  BYTE rgbGreen = 0;
  BYTE rgbRed = 0;
  BYTE rgbReserved = 0;
  friend bool operator==(const RGBQUAD&, const RGBQUAD&) = default;
};

struct Dib {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<RGBQUAD> palette;  // for 1, 4 and 8 bits per pixel
  std::vector<BYTE> bits;        // rows top-down, each Stride() bytes long

  // Rows are padded to whole 32-bit words, as in a BMP file.
  static int StrideFor(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }
  int Stride() const { return StrideFor(width, bitsPerPixel); }
  bool Empty() const { return width <= 0 || height <= 0; }
};

}  // namespace qb
