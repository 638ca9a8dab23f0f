#include "skin/data/SkinImage.h"

#include <algorithm>

namespace qb {
namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

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

SkinImage SkinImage::FromRect(const Dib& picture, const RECT& rect) {
  SkinImage image;
  image.pixels.Resize(std::max(0, rect.right - rect.left), std::max(0, rect.bottom - rect.top));
  const int x0 = std::max(rect.left, 0), x1 = std::min(rect.right, picture.width);
  const int y0 = std::max(rect.top, 0), y1 = std::min(rect.bottom, picture.height);
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* out = image.pixels.Row(y - rect.top);
    for (int x = x0; x < x1; ++x) out[x - rect.left] = DibPixel(picture, x, y) & 0x00FFFFFFu;
  }
  return image;
}

void SkinImage::MaskToAlpha(const Dib& mask) {
  for (int y = 0; y < pixels.Height(); ++y) {
    std::uint32_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      std::uint32_t grey = 0;
      if (x < mask.width && y < mask.height) {
        const std::uint32_t m = DibPixel(mask, x, y);
        grey = (Channel(m, 0) + Channel(m, 8) + Channel(m, 16) + 1) / 3;
      }
      row[x] = (row[x] & 0x00FFFFFFu) | (grey << 24);
    }
  }
}

void SkinImage::Premultiply() {
  for (int y = 0; y < pixels.Height(); ++y) {
    std::uint32_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      const std::uint32_t a = Channel(row[x], 24);
      std::uint32_t result = a << 24;
      for (int shift = 0; shift < 24; shift += 8) result |= ((a * Channel(row[x], shift) + 127) / 255) << shift;
      row[x] = result;
    }
  }
}

void SkinImage::SetAlpha(BYTE alpha) {
  for (int y = 0; y < pixels.Height(); ++y) {
    std::uint32_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width(); ++x) row[x] = (row[x] & 0x00FFFFFFu) | (std::uint32_t(alpha) << 24);
  }
}

void SkinImage::UpdatePartialAlpha() {
  PartialAlpha = false;
  for (int y = 0; y < pixels.Height() && !PartialAlpha; ++y) {
    const std::uint32_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      const std::uint32_t a = Channel(row[x], 24);
      if (a != 0 && a != 255) {
        PartialAlpha = true;
        break;
      }
    }
  }
}

}  // namespace qb
