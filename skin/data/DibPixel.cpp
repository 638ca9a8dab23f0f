#include "skin/data/DibPixel.h"

namespace qb {
namespace {

std::uint32_t PaletteEntry(const Dib& dib, std::size_t index) {
  if (index >= dib.palette.size()) return 0;
  const RGBQUAD& q = dib.palette[index];
  return std::uint32_t(q.rgbBlue) | (std::uint32_t(q.rgbGreen) << 8) | (std::uint32_t(q.rgbRed) << 16);
}

}  // namespace

std::uint32_t DibPixel(const Dib& dib, int x, int y) {
  const BYTE* row = dib.bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(dib.Stride());
  switch (dib.bitsPerPixel) {
    case 1: return PaletteEntry(dib, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return PaletteEntry(dib, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
    case 8: return PaletteEntry(dib, row[x]);
    case 24: {
      const BYTE* p = row + 3 * x;
      return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
    }
    case 32: {
      const BYTE* p = row + 4 * x;
      return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
             (std::uint32_t(p[3]) << 24);
    }
    default: return 0;
  }
}

}  // namespace qb
