#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxDimension = 32768;

bool SupportedDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32; }

// Index of the palette entry closest to a colour, for writing drawn pixels
// back into a palette bitmap.
BYTE NearestIndex(const std::vector<qb::RGBQUAD>& palette, std::uint32_t pixel) {
  const int r = int((pixel >> 16) & 0xFF), g = int((pixel >> 8) & 0xFF), b = int(pixel & 0xFF);
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = r - palette[i].rgbRed, dg = g - palette[i].rgbGreen, db = b - palette[i].rgbBlue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = int(i);
      if (distance == 0) break;
    }
  }
  return BYTE(best);
}

}  // namespace

HBITMAP__::HBITMAP__(int width, int height) : HBITMAP__(width, height, 32, true, {}) {}

HBITMAP__::HBITMAP__(int width, int height, int bitsPerPixel, bool topDown, std::vector<qb::RGBQUAD> palette)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      topDown_(topDown),
      native_(bitsPerPixel == 32 && topDown),
      palette_(std::move(palette)) {
  QB_CHECK(width >= 0 && height >= 0 && SupportedDepth(bitsPerPixel));
  if (bitsPerPixel <= 8) palette_.resize(std::size_t(1) << bitsPerPixel);
  if (native_) {
    surface_.Resize(width, height);
  } else {
    raw_.assign(std::size_t(Stride()) * std::size_t(height), 0);
  }
}

void* HBITMAP__::Bits() { return native_ ? static_cast<void*>(surface_.Data()) : raw_.data(); }

qb::Surface& HBITMAP__::Pixels() {
  if (native_) return surface_;
  if (surface_.Width() != width_ || surface_.Height() != height_) surface_.Resize(width_, height_);
  const int stride = Stride();
  for (int y = 0; y < height_; ++y) {
    const BYTE* in = raw_.data() + std::size_t(topDown_ ? y : height_ - 1 - y) * std::size_t(stride);
    std::uint32_t* out = surface_.Row(y);
    auto fromPalette = [&](int index) {
      const qb::RGBQUAD& c = palette_[std::size_t(index)];
      return (std::uint32_t(c.rgbRed) << 16) | (std::uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
    };
    switch (bitsPerPixel_) {
      case 1:
        for (int x = 0; x < width_; ++x) out[x] = fromPalette((in[x / 8] >> (7 - x % 8)) & 1);
        break;
      case 4:
        for (int x = 0; x < width_; ++x) out[x] = fromPalette((in[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
        break;
      case 8:
        for (int x = 0; x < width_; ++x) out[x] = fromPalette(in[x]);
        break;
      case 24:
        for (int x = 0; x < width_; ++x) {
          out[x] = std::uint32_t(in[3 * x]) | (std::uint32_t(in[3 * x + 1]) << 8) | (std::uint32_t(in[3 * x + 2]) << 16);
        }
        break;
      default:
        std::memcpy(out, in, std::size_t(width_) * 4);
    }
  }
  return surface_;
}

void HBITMAP__::StorePixels() {
  if (native_) return;
  const int stride = Stride();
  for (int y = 0; y < height_; ++y) {
    BYTE* out = raw_.data() + std::size_t(topDown_ ? y : height_ - 1 - y) * std::size_t(stride);
    const std::uint32_t* in = surface_.Row(y);
    switch (bitsPerPixel_) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / bitsPerPixel_;
        const int mask = (1 << bitsPerPixel_) - 1;
        for (int x = 0; x < width_; ++x) {
          const int shift = (perByte - 1 - x % perByte) * bitsPerPixel_;
          BYTE& b = out[x / perByte];
          b = BYTE((b & ~(mask << shift)) | (NearestIndex(palette_, in[x]) << shift));
        }
        break;
      }
      case 24:
        for (int x = 0; x < width_; ++x) {
          out[3 * x] = BYTE(in[x]);
          out[3 * x + 1] = BYTE(in[x] >> 8);
          out[3 * x + 2] = BYTE(in[x] >> 16);
        }
        break;
      default:
        std::memcpy(out, in, std::size_t(width_) * 4);
    }
  }
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS || section || offset != 0) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const int bpp = h.biBitCount;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB || !SupportedDepth(bpp)) return nullptr;
  if (h.biWidth <= 0 || h.biWidth > kMaxDimension || h.biHeight == 0 || h.biHeight > kMaxDimension ||
      h.biHeight < -kMaxDimension) {
    return nullptr;
  }
  std::vector<qb::RGBQUAD> palette;
  if (bpp <= 8) {
    const DWORD count = h.biClrUsed == 0 ? (1u << bpp) : std::min<DWORD>(h.biClrUsed, 1u << bpp);
    palette.assign(info->bmiColors, info->bmiColors + count);
  }
  auto* bitmap = new HBITMAP__(h.biWidth, std::abs(h.biHeight), bpp, h.biHeight < 0, std::move(palette));
  if (bits) *bits = bitmap->Bits();
  return bitmap;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension) return nullptr;
  return new HBITMAP__(width, height);
}

namespace qb {

HBITMAP CreateBitmapFromDib(const Dib& dib) {
  if (dib.Empty() || !SupportedDepth(dib.bitsPerPixel)) return nullptr;
  QB_CHECK(dib.bits.size() == std::size_t(dib.Stride()) * std::size_t(dib.height));
  auto* bitmap = new HBITMAP__(dib.width, dib.height, dib.bitsPerPixel, true, dib.palette);
  std::memcpy(bitmap->Bits(), dib.bits.data(), dib.bits.size());
  return bitmap;
}

}  // namespace qb
