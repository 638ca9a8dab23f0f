#include "tools/skingen/TextCoverage.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/text/Text.h"

namespace qb::skingen {
namespace {

class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() { DeleteDC(dc_); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object for the lifetime of the guard and puts the previous one
// back, so that the object can be deleted afterwards.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

TextCoverage::TextCoverage(const std::u16string& text, const std::u16string& face, int heightPixels, bool bold) {
  MemoryDc dc;
  LOGFONT description;
  description.lfHeight = heightPixels;
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), description.lfFaceName);
  const GdiHandle<HFONT> font(CreateFontIndirect(&description));
  const Selection fontSelection(dc.Get(), font.get());
  SIZE size;
  GetTextExtentPoint32(dc.Get(), reinterpret_cast<const WCHAR*>(text.c_str()), int(text.size()), &size);
  // A little room on the right for glyphs that reach past their advance.
  width_ = size.cx + 2;
  height_ = size.cy;
  if (width_ <= 0 || height_ <= 0) return;

  BITMAPINFO info{};
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const GdiHandle<HBITMAP> bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill_n(pixels, std::size_t(width_) * std::size_t(height_), 0x00FFFFFFu);
  {
    const Selection bitmapSelection(dc.Get(), bitmap.get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    TextOut(dc.Get(), 0, 0, reinterpret_cast<const WCHAR*>(text.c_str()), int(text.size()));
  }
  coverage_.resize(std::size_t(width_) * std::size_t(height_));
  for (std::size_t i = 0; i < coverage_.size(); ++i) coverage_[i] = 1.0f - float(pixels[i] & 0xFF) / 255.0f;
}

float TextCoverage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage_.empty()) return 0;
  return coverage_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

}  // namespace qb::skingen
