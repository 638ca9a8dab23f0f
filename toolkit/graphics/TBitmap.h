// A picture held as a device-independent bitmap in the pixel format it was
// loaded with or given: 1, 4 or 8 bits per pixel with a palette, 24 or 32
// bits per pixel. Loads and saves Windows BMP file images, and draws through
// its Canvas.
//
// The pixels live in Image() until the picture is first drawn on or drawn
// from; from then on a bitmap handle in the same format holds them, and
// Image() reads them back from it.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Bitmap.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap : public TPersistent {
 public:
  TBitmap();
  ~TBitmap() override;

  int Width() const { return dib_.width; }
  int Height() const { return dib_.height; }
  bool Empty() const { return dib_.Empty(); }
  TPixelFormat PixelFormat() const;

  // New pixels (all 0, or palette entry 0) of the current format; a picture
  // without a format gets 32 bits per pixel.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Converts the pixels to another format: 1 bit black and white, 4 bits the
  // sixteen standard colours, 8 bits 3-3-2 levels of red, green and blue
  // (nearest entry); 24 and 32 bits exactly. pfDevice means 32 bits; 15 and
  // 16 bits and pfCustom are not supported (checked).
  void SetPixelFormat(TPixelFormat format);

  // The pixels, rows top-down.
  const Dib& Image() const;

  // Reads the BMP file image at the start of `data`; bytes after it are not
  // touched. Fails with BmpError on a malformed image, leaving the picture as
  // it was.
  void LoadFromStream(std::span<const BYTE> data);
  // Appends the picture as a BMP file image.
  void SaveToStream(std::vector<BYTE>& out) const;

  // Copies another TBitmap (pixels, format and palette); null empties.
  void Assign(const TPersistent* source) override;
  void Clear();

  // The bitmap handle holding the pixels (null for an empty picture), owned
  // by the picture.
  HBITMAP Handle();
  // A canvas on a memory context with the picture selected; drawing on it
  // changes the picture.
  TCanvas& Canvas();

 private:
  friend class BitmapCanvas;
  void AttachCanvas();
  void Replace(Dib dib);
  void DropHandle();

  mutable Dib dib_;
  GdiHandle<HBITMAP> handle_;
  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<HDC__, void (*)(HDC)> memoryDc_;
};

}  // namespace qb
