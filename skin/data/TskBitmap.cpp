#include "skin/data/TskBitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/PixelOps.h"
#include "skin/data/PictureCopy.h"
#include "skin/data/SkinImage.h"
#include "skin/data/StackBlur.h"

namespace qb {

// The memory context of a surface, which knows its surface.
class TskBitmap::SurfaceDc : public MemoryDc {
 public:
  explicit SurfaceDc(TskBitmap& owner) : owner(owner) {}
  TskBitmap& owner;
};

namespace {

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

RECT Offset(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

std::uint32_t Channel(std::uint32_t p, int shift) { return (p >> shift) & 0xFF; }

// Source index for target index i of a mapping from `sourceLength` items
// starting at `sourceStart` onto `targetLength` items.
int NearestSource(int i, int sourceStart, int sourceLength, int targetLength) {
  if (targetLength == 1) return (sourceStart + sourceStart + sourceLength - 1) / 2;
  const std::int64_t numerator = std::int64_t(i) * (sourceLength - 1);
  const std::int64_t denominator = targetLength - 1;
  std::int64_t q = numerator / denominator;
  const std::int64_t twice = 2 * (numerator % denominator);
  if (twice > denominator || (twice == denominator && (q & 1) != 0)) ++q;
  return sourceStart + int(q);
}

void KeyRow(const std::uint32_t* source, std::uint32_t* target, int count) {
  for (int i = 0; i < count; ++i) {
    if ((source[i] & 0x00FFFFFFu) != kKeyColorPixel) target[i] = source[i] | 0xFF000000u;
  }
}

}  // namespace

std::uint32_t ColorToPixel(TColor color, BYTE alpha) {
  const COLORREF rgb = ColorToRGB(color);
  return (std::uint32_t(alpha) << 24) | (std::uint32_t(GetRValue(rgb)) << 16) | (std::uint32_t(GetGValue(rgb)) << 8) |
         GetBValue(rgb);
}

TskBitmap::TskBitmap() = default;

TskBitmap::~TskBitmap() { Release(); }

void TskBitmap::Release() {
  if (canvas_) canvas_->SetHandle(nullptr);
  dc_.reset();
  bitmap_.reset();
  pixels_ = nullptr;
  width_ = height_ = 0;
}

void TskBitmap::SetSize(int width, int height) {
  width = std::abs(width);
  height = std::abs(height);
  if (width == 0 || height == 0 || (width == width_ && height == height_ && !Empty())) return;
  Release();
  BITMAPINFO info{};
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) {
    bitmap_.reset();
    throw EskBitmapError("Can't allocate the DIB handle");
  }
  try {
    dc_ = std::make_unique<SurfaceDc>(*this);
  } catch (const std::bad_alloc&) {
    bitmap_.reset();
    throw EskBitmapError("Can't create compatible DC");
  }
  if (!SelectObject(dc_.get(), bitmap_.get())) {
    dc_.reset();
    bitmap_.reset();
    throw EskBitmapError("Can't bslect an object into DC");
  }
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  if (canvas_) canvas_->SetHandle(dc_.get());
}

HDC TskBitmap::DC() const { return dc_.get(); }

TCanvas& TskBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TCanvas>();
    canvas_->SetHandle(dc_.get());
  }
  return *canvas_;
}

TskBitmap* TskBitmap::FromDC(HDC dc) {
  auto* surfaceDc = dynamic_cast<SurfaceDc*>(dc);
  return surfaceDc ? &surfaceDc->owner : nullptr;
}

std::uint32_t* TskBitmap::ScanLine(int y) {
  QB_CHECK(pixels_ && y >= 0 && y < height_);
  return pixels_ + std::size_t(y) * std::size_t(width_);
}

const std::uint32_t* TskBitmap::ScanLine(int y) const {
  QB_CHECK(pixels_ && y >= 0 && y < height_);
  return pixels_ + std::size_t(y) * std::size_t(width_);
}

void TskBitmap::Assign(const TPersistent* source) {
  if (const auto* surface = dynamic_cast<const TskBitmap*>(source)) {
    if (surface == this) return;
    if (surface->Empty()) {
      Release();
    } else {
      SetSize(surface->width_, surface->height_);
      std::memcpy(pixels_, surface->pixels_, std::size_t(width_) * std::size_t(height_) * 4);
    }
    KeyTransparent = surface->KeyTransparent;
    PartialAlpha = surface->PartialAlpha;
    return;
  }
  if (const auto* picture = dynamic_cast<const TBitmap*>(source)) {
    const Dib& dib = picture->Image();
    KeyTransparent = false;
    PartialAlpha = false;
    if (dib.Empty()) {
      Release();
      return;
    }
    SetSize(dib.width, dib.height);
    const std::uint32_t opaque = dib.bitsPerPixel == 32 ? 0 : 0xFF000000u;
    for (int y = 0; y < height_; ++y) {
      std::uint32_t* row = ScanLine(y);
      for (int x = 0; x < width_; ++x) row[x] = DibPixel(dib, x, y) | opaque;
    }
    if (dib.bitsPerPixel == 32) UpdatePartialAlpha();
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    AssignPicture(*icon);
    return;
  }
  TPersistent::Assign(source);
}

void TskBitmap::AssignPicture(const TIcon& icon) {
  KeyTransparent = false;
  PartialAlpha = false;
  if (icon.Empty()) {
    Release();
    return;
  }
  // The icon is drawn over magenta; what it leaves magenta stays clear.
  constexpr std::uint32_t kMagenta = 0x00FF00FFu;
  TskBitmap drawn;
  drawn.SetSize(icon.Width(), icon.Height());
  drawn.FillRect({0, 0, drawn.width_, drawn.height_}, kMagenta);
  DrawIconEx(drawn.DC(), 0, 0, icon.Handle(), icon.Width(), icon.Height(), 0, nullptr, DI_NORMAL);
  SetSize(drawn.width_, drawn.height_);
  std::fill_n(pixels_, std::size_t(width_) * std::size_t(height_), 0u);
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* in = drawn.ScanLine(y);
    std::uint32_t* out = ScanLine(y);
    for (int x = 0; x < width_; ++x) {
      if ((in[x] & 0x00FFFFFFu) != kMagenta) out[x] = in[x];
    }
  }
  SetAlpha(255);
}

void TskBitmap::AssignTo(TPersistent* dest) const {
  if (auto* picture = dynamic_cast<TBitmap*>(dest)) {
    CopyToBitmap(*picture);
    return;
  }
  TPersistent::AssignTo(dest);
}

void TskBitmap::CopyToBitmap(TBitmap& bitmap) const {
  if (bitmap.PixelFormat() != pf32bit) {
    bitmap.SetSize(0, 0);
    bitmap.SetPixelFormat(pf32bit);
  }
  bitmap.SetSize(width_, height_);
  if (Empty()) return;
  HBITMAP handle = bitmap.Handle();
  auto* out = static_cast<BYTE*>(handle->Bits());
  for (int y = 0; y < height_; ++y) {
    std::memcpy(out + std::size_t(handle->Stride()) * std::size_t(y), ScanLine(y), std::size_t(width_) * 4);
  }
}

void TskBitmap::SetPixel(int x, int y, std::uint32_t value) {
  if (pixels_ && x >= 0 && x < width_ && y >= 0 && y < height_)
    pixels_[std::size_t(y) * std::size_t(width_) + x] = value;
}

void TskBitmap::SetAlpha(BYTE alpha) {
  const std::size_t count = std::size_t(width_) * std::size_t(height_);
  const std::uint32_t a = std::uint32_t(alpha) << 24;
  for (std::size_t i = 0; i < count; ++i) pixels_[i] = (pixels_[i] & 0x00FFFFFFu) | a;
}

void TskBitmap::ClampColorsToAlpha() {
  const std::size_t count = std::size_t(width_) * std::size_t(height_);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels_[i], a = p >> 24;
    // Frame strips are mostly opaque or clear, and for those the rounded
    // products are known: 255 × c / 255 is c, 0 × c is 0.
    if (a == 255) continue;
    if (a == 0) {
      pixels_[i] = 0;
      continue;
    }
    std::uint32_t out = p & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) out |= std::min(Channel(p, shift), a) << shift;
    pixels_[i] = out;
  }
}

void TskBitmap::Premultiply() {
  const std::size_t count = std::size_t(width_) * std::size_t(height_);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels_[i], a = p >> 24;
    // Frame strips are mostly opaque or clear, and for those the rounded
    // products are known: 255 × c / 255 is c, 0 × c is 0.
    if (a == 255) continue;
    if (a == 0) {
      pixels_[i] = 0;
      continue;
    }
    std::uint32_t out = p & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) out |= Div255(a * Channel(p, shift)) << shift;
    pixels_[i] = out;
  }
}

void TskBitmap::UpdatePartialAlpha() {
  const std::size_t count = std::size_t(width_) * std::size_t(height_);
  PartialAlpha = std::any_of(pixels_, pixels_ + count, [](std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    return a != 0 && a != 255;
  });
}

void TskBitmap::SetTransparentColor(std::uint32_t pixel) {
  KeyTransparent = false;
  const std::size_t count = std::size_t(width_) * std::size_t(height_);
  auto near = [](std::uint32_t a, std::uint32_t b, int shift) {
    return std::abs(int(Channel(a, shift)) - int(Channel(b, shift))) < 6;
  };
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels_[i];
    if (near(p, pixel, 0) && near(p, pixel, 8) && near(p, pixel, 16)) {
      pixels_[i] = kKeyColorPixel;
      KeyTransparent = true;
    }
  }
}

void TskBitmap::FillRect(const RECT& rect, std::uint32_t pixel) {
  const RECT area = Intersect(rect, {0, 0, width_, height_});
  if (Empty() || RectWidth(area) <= 0 || RectHeight(area) <= 0) return;
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint32_t* row = ScanLine(y);
    for (int x = area.left; x < area.right; ++x) row[x] = PartialAlpha ? BlendPixel(pixel, row[x], BlendPath) : pixel;
  }
}

void TskBitmap::MaskToAlpha(const TBitmap& mask) {
  if (Empty()) return;
  const Bgr24Source source(mask);
  const ConstBgr24Pixels& m = *source;
  for (int y = 0; y < height_; ++y) {
    std::uint32_t* row = ScanLine(y);
    const BYTE* in = y < m.height ? m.Row(y) : nullptr;
    for (int x = 0; x < width_; ++x) {
      std::uint32_t grey = 0;
      if (in && x < m.width) grey = (std::uint32_t(in[3 * x]) + in[3 * x + 1] + in[3 * x + 2] + 1) / 3;
      row[x] = (row[x] & 0x00FFFFFFu) | (grey << 24);
    }
  }
}

void TskBitmap::MaskToPremultipliedAlpha(const TBitmap& mask) {
  MaskToAlpha(mask);
  Premultiply();
}

void TskBitmap::StackBlur(int radius) {
  if (!Empty()) qb::StackBlur(pixels_, width_, height_, radius);
}

void TskBitmap::DrawToDC(HDC dc, int x, int y) const {
  DrawToDC(dc, {x, y, x + width_, y + height_}, {0, 0, width_, height_});
}

void TskBitmap::DrawToDC(HDC dc, const RECT& targetRect, const RECT& sourceRect) const {
  if (Empty() || !dc) return;
  if (TskBitmap* surface = FromDC(dc)) {
    const POINT origin = ToDevice(dc->state, {targetRect.left, targetRect.top});
    DrawToSurface(*surface, Offset(targetRect, origin.x - targetRect.left, origin.y - targetRect.top), sourceRect);
    return;
  }
  const int tw = RectWidth(targetRect), th = RectHeight(targetRect);
  const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
  if (tw <= 0 || th <= 0 || sw <= 0 || sh <= 0) return;
  if (PartialAlpha) {
    TskBitmap back;
    back.SetSize(tw, th);
    BitBlt(back.DC(), 0, 0, tw, th, dc, targetRect.left, targetRect.top, SRCCOPY);
    DrawToSurface(back, {0, 0, tw, th}, sourceRect);
    BitBlt(dc, targetRect.left, targetRect.top, tw, th, back.DC(), 0, 0, SRCCOPY);
  } else if (KeyTransparent) {
    TransparentBlt(dc, targetRect.left, targetRect.top, tw, th, DC(), sourceRect.left, sourceRect.top, sw, sh,
                   RGB(127, 0, 127));
  } else {
    StretchBlt(dc, targetRect.left, targetRect.top, tw, th, DC(), sourceRect.left, sourceRect.top, sw, sh, SRCCOPY);
  }
}

void TskBitmap::DrawToSurface(TskBitmap& target, const RECT& targetRect, const RECT& sourceRect) const {
  const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
  const int tw = RectWidth(targetRect), th = RectHeight(targetRect);
  if (Empty() || target.Empty() || sw <= 0 || sh <= 0 || tw <= 0 || th <= 0) return;
  if (sourceRect.left < 0 || sourceRect.top < 0 || sourceRect.right > width_ || sourceRect.bottom > height_) return;
  const RECT area = Intersect(targetRect, {0, 0, target.width_, target.height_});
  const int count = RectWidth(area);
  if (count <= 0 || RectHeight(area) <= 0) return;

  auto draw = [this](const std::uint32_t* in, std::uint32_t* out, int n) {
    if (PartialAlpha) {
      BlendRow(in, out, n, BlendPath);
    } else if (KeyTransparent) {
      KeyRow(in, out, n);
    } else if (in != out) {
      std::memmove(out, in, std::size_t(n) * 4);
    }
  };
  if (sw == tw && sh == th) {
    for (int y = area.top; y < area.bottom; ++y) {
      const std::uint32_t* in =
          ScanLine(sourceRect.top + y - targetRect.top) + sourceRect.left + area.left - targetRect.left;
      draw(in, target.ScanLine(y) + area.left, count);
    }
    return;
  }
  std::vector<int> columns(static_cast<std::size_t>(count));
  for (int x = area.left; x < area.right; ++x) {
    columns[std::size_t(x - area.left)] = NearestSource(x - targetRect.left, sourceRect.left, sw, tw);
  }
  std::vector<std::uint32_t> gathered(static_cast<std::size_t>(count));
  int previousRow = -1;
  for (int y = area.top; y < area.bottom; ++y) {
    const int sy = NearestSource(y - targetRect.top, sourceRect.top, sh, th);
    std::uint32_t* out = target.ScanLine(y) + area.left;
    if (sy == previousRow && !PartialAlpha && !KeyTransparent) {
      std::memcpy(out, target.ScanLine(y - 1) + area.left, std::size_t(count) * 4);
      continue;
    }
    const std::uint32_t* in = ScanLine(sy);
    for (int i = 0; i < count; ++i) gathered[std::size_t(i)] = in[columns[std::size_t(i)]];
    draw(gathered.data(), out, count);
    previousRow = sy;
  }
}

}  // namespace qb
