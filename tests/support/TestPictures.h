// Small hand-made pictures for pixel tests: a TBitmap filled from a function
// of (x, y), in any stored bit depth, and reading its pixels back as
// 0x00RRGGBB colours.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dib.h"
#include "skin/data/SkinImage.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb::test {

// A 24-bit picture whose pixel (x, y) has the colour colour(x, y) (0xRRGGBB).
template <typename Colour>
void MakePicture(TBitmap& picture, int width, int height, Colour colour) {
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = 24;
  dib.bits.assign(std::size_t(dib.Stride()) * std::size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      BYTE* p = dib.bits.data() + std::size_t(dib.Stride()) * std::size_t(y) + 3 * std::size_t(x);
      p[0] = BYTE(c);
      p[1] = BYTE(c >> 8);
      p[2] = BYTE(c >> 16);
    }
  }
  picture.LoadFromStream(WriteBmp(dib));
}

// A picture from rows of colours, one string of entries per row.
inline void MakePicture(TBitmap& picture, const std::vector<std::vector<std::uint32_t>>& rows) {
  MakePicture(picture, int(rows.empty() ? 0 : rows[0].size()), int(rows.size()),
              [&](int x, int y) { return rows[std::size_t(y)][std::size_t(x)]; });
}

inline std::uint32_t ColourAt(const TBitmap& picture, int x, int y) {
  return DibPixel(picture.Image(), x, y) & 0x00FFFFFFu;
}

// All pixels, row by row.
inline std::vector<std::vector<std::uint32_t>> Colours(const TBitmap& picture) {
  std::vector<std::vector<std::uint32_t>> rows(std::size_t(picture.Height()));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) rows[std::size_t(y)].push_back(ColourAt(picture, x, y));
  }
  return rows;
}

}  // namespace qb::test
