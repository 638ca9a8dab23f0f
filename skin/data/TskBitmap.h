// A 32-bit top-down pixel surface with alpha, drawable three ways: opaque,
// colour-keyed transparent and alpha-blended.
//
// Pixels are 0xAARRGGBB words (bytes blue, green, red, alpha), each row
// exactly width × 4 bytes. The pixel memory is a device-independent bitmap
// section selected into the surface's own device context, so drawing calls
// on DC() or Canvas() and direct pixel access see the same pixels. A
// surface's device context leads back to it (FromDC), which lets drawing
// between two surfaces bypass the device layer.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "platform/WinTypes.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObject.h"
#include "skin/data/SurfaceBlend.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/TBitmap.h"
#include "toolkit/graphics/TCanvas.h"
#include "toolkit/graphics/TIcon.h"

namespace qb {

// SetSize could not make the surface's pixels or device context.
class EskBitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Red 127, green 0, blue 127, alpha 0: what colour-keyed surfaces leave out.
constexpr std::uint32_t kKeyColorPixel = 0x007F007Fu;

// A colour (system colours resolved) as a pixel with the given alpha.
std::uint32_t ColorToPixel(TColor color, BYTE alpha = 255);

class TskBitmap : public TPersistent {
 public:
  TskBitmap();
  ~TskBitmap() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_ == nullptr; }

  // Sizes count by their absolute value. Nothing happens when either is 0 or
  // the size is unchanged; otherwise the pixels are replaced by new ones,
  // all 0. Raises EskBitmapError and leaves the surface empty on failure.
  void SetSize(int width, int height);

  // The surface's own device context (null while empty) and a canvas on it
  // that follows the surface when it is resized.
  HDC DC() const;
  TCanvas& Canvas();
  // The surface whose device context `dc` is, or null.
  static TskBitmap* FromDC(HDC dc);

  // Copies a TskBitmap (pixels and flags), a TBitmap (a 32-bit one with its
  // alpha, then UpdatePartialAlpha; any other with alpha 255) or a TIcon (its
  // drawn pixels with alpha 255, pixels it leaves undrawn black).
  void Assign(const TPersistent* source) override;
  // `bitmap` becomes a 32-bit picture of the surface's size and pixels.
  void CopyToBitmap(TBitmap& bitmap) const;

  std::uint32_t* ScanLine(int y);
  const std::uint32_t* ScanLine(int y) const;
  std::uint32_t* PixelAddress(int x, int y) { return ScanLine(y) + x; }
  // Writes one pixel when (x, y) lies inside the surface.
  void SetPixel(int x, int y, std::uint32_t value);

  void SetAlpha(BYTE alpha);
  // Each colour channel larger than its pixel's alpha is lowered to it.
  void ClampColorsToAlpha();
  // Each colour channel c := alpha × c / 255, rounded to the nearest integer.
  void Premultiply();
  // PartialAlpha := some pixel has an alpha other than 0 and 255.
  void UpdatePartialAlpha();
  // Pixels whose red, green and blue each differ from `pixel`'s by less than
  // 6 become the key colour; KeyTransparent tells whether any did.
  void SetTransparentColor(std::uint32_t pixel);
  // Sets the pixels of `rect` (clipped), or blends `pixel` over them when the
  // surface has PartialAlpha.
  void FillRect(const RECT& rect, std::uint32_t pixel);

  // Alpha := the grey level (R + G + B) / 3, rounded, of the mask pixel at
  // the same place (0 beyond the mask); colours stay.
  void MaskToAlpha(const TBitmap& mask);
  void MaskToPremultipliedAlpha(const TBitmap& mask);
  // Blurs red, green and blue; every alpha becomes 255. A radius of 0 or
  // less does nothing.
  void StackBlur(int radius);

  // Draws the surface, or its part `sourceRect`, onto any device context:
  // onto another surface through DrawToSurface, else alpha-blended (reading
  // the target back), colour-keyed or copied as the flags say.
  void DrawToDC(HDC dc, int x, int y) const;
  void DrawToDC(HDC dc, const RECT& targetRect, const RECT& sourceRect) const;
  // Draws `sourceRect` (which must lie inside this surface) into
  // `targetRect` of `target` (clipped to it): blended with PartialAlpha, else
  // colour-keyed with KeyTransparent, else copied. Different sizes take the
  // nearest pixel: target column x shows srcLeft + (x − dstLeft) ×
  // (srcWidth − 1) / (dstWidth − 1), rounded with halves to even; a target one
  // pixel wide shows the middle column (srcLeft + srcRight − 1) div 2; rows
  // likewise.
  void DrawToSurface(TskBitmap& target, const RECT& targetRect, const RECT& sourceRect) const;

  bool KeyTransparent = false;
  bool PartialAlpha = false;
  // How this surface blends when drawn; bpMMX on every current processor.
  TskBlendPath BlendPath = bpMMX;

 protected:
  void AssignTo(TPersistent* dest) const override;

 private:
  class SurfaceDc;
  void Release();
  void AssignPicture(const TIcon& icon);

  int width_ = 0;
  int height_ = 0;
  std::uint32_t* pixels_ = nullptr;
  GdiHandle<HBITMAP> bitmap_;
  std::unique_ptr<SurfaceDc> dc_;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace qb
