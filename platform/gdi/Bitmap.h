// Bitmaps behind HBITMAP handles.
//
// A 32-bit top-down bitmap (every bitmap from CreateCompatibleBitmap, and a
// DIB section made from a 32-bit BITMAPINFO with a negative height) keeps its
// pixels in a qb::Surface: the memory CreateDIBSection hands out is the
// surface itself, so a device context with the bitmap selected draws into the
// very bytes the caller reads. Other formats (1, 4, 8 and 24 bits per pixel,
// and bottom-up 32-bit sections) keep their bytes exactly as Windows lays
// them out and are converted to a 32-bit view for drawing.
#pragma once

#include <vector>

#include "platform/gdi/Dib.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Surface.h"

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
  DWORD biSize = sizeof(BITMAPINFOHEADER);
  LONG biWidth = 0;
  LONG biHeight = 0;  // negative: rows top-down
  WORD biPlanes = 1;
  WORD biBitCount = 0;
  DWORD biCompression = BI_RGB;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

// The palette follows the header in memory; callers with more than one
// colour allocate room for them behind the structure, as on Windows.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  qb::RGBQUAD bmiColors[1];
};

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 0;
  void* bmBits = nullptr;
};

struct HBITMAP__ : HGDIOBJ__ {
  // A 32-bit top-down bitmap, all pixels 0.
  HBITMAP__(int width, int height);
  // A bitmap in the given layout; `topDown` false stores rows bottom-up.
  HBITMAP__(int width, int height, int bitsPerPixel, bool topDown, std::vector<qb::RGBQUAD> palette);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  int Stride() const { return qb::Dib::StrideFor(width_, bitsPerPixel_); }
  // Whether the pixels live in Pixels() directly (no conversion needed).
  bool Native() const { return native_; }
  // The bytes in the Windows layout of the bitmap's format.
  void* Bits();

  // The 32-bit view for drawing. For a non-native bitmap, Pixels() first
  // converts the stored bytes; StorePixels() writes the view back into them.
  qb::Surface& Pixels();
  void StorePixels();

  const std::vector<qb::RGBQUAD>& Palette() const { return palette_; }

 private:
  int width_;
  int height_;
  int bitsPerPixel_;
  bool topDown_;
  bool native_;
  std::vector<qb::RGBQUAD> palette_;
  std::vector<BYTE> raw_;
  qb::Surface surface_;
};
using HBITMAP = HBITMAP__*;

// A DIB section in the format the header describes (1, 4, 8, 24 or 32 bits,
// BI_RGB). *bits receives the pixel memory. The section and offset arguments
// exist for the Windows signature and must be null and 0. Returns null for an
// unsupported or absurd header.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);

// A 32-bit bitmap, whatever the device context.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// A bitmap holding a copy of a decoded picture in its own format.
namespace qb {
HBITMAP CreateBitmapFromDib(const Dib& dib);
}  // namespace qb
