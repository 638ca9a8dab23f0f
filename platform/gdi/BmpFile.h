// Reading and writing Windows BMP files.
//
// Reading accepts the file header with a BITMAPINFOHEADER, V4 or V5 header,
// 1, 4, 8, 24 and 32 bits per pixel, palettes, bottom-up and top-down rows,
// and RLE4/RLE8 compression. Every malformed input raises BmpError; nothing
// is allocated out of proportion to the input's length.
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <vector>

#include "platform/gdi/Dib.h"

namespace qb {

class BmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The length of the BMP file image at the start of data: its bfSize, checked
// against the header and the bytes available.
std::size_t BmpImageLength(std::span<const BYTE> data);

// Decodes the BMP file image at the start of data (which may be followed by
// other bytes); the result keeps the stored bit depth and palette, rows
// top-down. A palette always comes back with 2^bits entries, a short stored
// one padded with black, so that every pixel index names a colour.
Dib ReadBmp(std::span<const BYTE> data);

// A complete BMP file (file header, BITMAPINFOHEADER, palette, bottom-up rows).
std::vector<BYTE> WriteBmp(const Dib& dib);

}  // namespace qb
