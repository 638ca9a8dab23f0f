// A picture held as a device-independent bitmap in the pixel format it was
// loaded with: 1, 4 or 8 bits per pixel with a palette, 24 or 32 bits per
// pixel. Loads and saves Windows BMP file images.
#pragma once

#include <span>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "toolkit/component/TPersistent.h"

namespace qb {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap : public TPersistent {
 public:
  TBitmap() = default;

  int Width() const { return dib_.width; }
  int Height() const { return dib_.height; }
  bool Empty() const { return dib_.Empty(); }
  TPixelFormat PixelFormat() const;

  // The pixels, rows top-down.
  const Dib& Image() const { return dib_; }

  // Reads the BMP file image at the start of `data`; bytes after it are not
  // touched. Fails with BmpError on a malformed image, leaving the picture as
  // it was.
  void LoadFromStream(std::span<const BYTE> data);
  // Appends the picture as a BMP file image.
  void SaveToStream(std::vector<BYTE>& out) const;

  // Copies another TBitmap (pixels, format and palette); null empties.
  void Assign(const TPersistent* source) override;
  void Clear() { dib_ = Dib{}; }

 private:
  Dib dib_;
};

}  // namespace qb
