#include "toolkit/graphics/TBitmap.h"

#include <cstring>

#include "platform/Check.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dc.h"

namespace qb {

namespace {

void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }

int BitsFor(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf24bit: return 24;
    case pfDevice:
    case pf32bit: return 32;
    default: QB_CHECK(!"unsupported pixel format");
  }
  return 32;
}

std::vector<RGBQUAD> StandardPalette(int bitsPerPixel) {
  std::vector<RGBQUAD> palette;
  auto add = [&](int r, int g, int b) { palette.push_back(RGBQUAD{BYTE(b), BYTE(g), BYTE(r), 0}); };
  switch (bitsPerPixel) {
    case 1:
      add(0, 0, 0);
      add(255, 255, 255);
      break;
    case 4: {
      static constexpr BYTE kStandard[16][3] = {
          {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
          {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},  {255, 255, 0},
          {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
      for (const auto& c : kStandard) add(c[0], c[1], c[2]);
      break;
    }
    case 8:
      for (int i = 0; i < 256; ++i) add(((i >> 5) & 7) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3);
      break;
    default:
      break;
  }
  return palette;
}

}  // namespace

TBitmap::TBitmap() : memoryDc_(nullptr, DeleteMemoryDc) {}

TBitmap::~TBitmap() { DropHandle(); }

TPixelFormat TBitmap::PixelFormat() const {
  switch (dib_.bitsPerPixel) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfDevice;
  }
}

const Dib& TBitmap::Image() const {
  if (handle_) {
    HBITMAP bitmap = handle_.get();
    std::memcpy(dib_.bits.data(), bitmap->Bits(), dib_.bits.size());
  }
  return dib_;
}

void TBitmap::SetSize(int width, int height) {
  QB_CHECK(width >= 0 && height >= 0);
  if (width == Width() && height == Height()) return;
  Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = dib_.bitsPerPixel == 0 ? 32 : dib_.bitsPerPixel;
  dib.palette = dib_.bitsPerPixel == 0 ? std::vector<RGBQUAD>{} : dib_.palette;
  if (dib.bitsPerPixel <= 8 && dib.palette.empty()) dib.palette = StandardPalette(dib.bitsPerPixel);
  dib.bits.assign(std::size_t(dib.Stride()) * std::size_t(height), 0);
  Replace(std::move(dib));
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  const int bits = BitsFor(format);
  if (bits == dib_.bitsPerPixel) return;
  Dib dib;
  dib.width = dib_.width;
  dib.height = dib_.height;
  dib.bitsPerPixel = bits;
  if (bits <= 8) dib.palette = StandardPalette(bits);
  dib.bits.assign(std::size_t(dib.Stride()) * std::size_t(dib.height), 0);
  if (!Empty()) {
    GdiHandle<HBITMAP> source(CreateBitmapFromDib(Image()));
    GdiHandle<HBITMAP> target(CreateBitmapFromDib(dib));
    target.get()->Pixels() = source.get()->Pixels();
    target.get()->StorePixels();
    std::memcpy(dib.bits.data(), target.get()->Bits(), dib.bits.size());
  }
  Replace(std::move(dib));
}

void TBitmap::LoadFromStream(std::span<const BYTE> data) { Replace(ReadBmp(data)); }

void TBitmap::SaveToStream(std::vector<BYTE>& out) const {
  const std::vector<BYTE> file = WriteBmp(Image());
  out.insert(out.end(), file.begin(), file.end());
}

void TBitmap::Assign(const TPersistent* source) {
  if (source == nullptr) {
    Clear();
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    if (bitmap != this) Replace(bitmap->Image());
    return;
  }
  TPersistent::Assign(source);
}

void TBitmap::Clear() { Replace(Dib{}); }

HBITMAP TBitmap::Handle() {
  if (!handle_ && !Empty()) handle_.reset(CreateBitmapFromDib(dib_));
  return handle_.get();
}

// The canvas of a picture makes its context again when the picture was
// resized or reloaded since it was last used.
class BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}

 protected:
  void CreateHandle() override { owner_.AttachCanvas(); }

 private:
  TBitmap& owner_;
};

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(*this);
  if (!canvas_->HandleAllocated()) AttachCanvas();
  return *canvas_;
}

void TBitmap::AttachCanvas() {
  if (!memoryDc_) memoryDc_.reset(CreateCompatibleDC(nullptr));
  if (HBITMAP bitmap = Handle()) SelectObject(memoryDc_.get(), bitmap);
  canvas_->SetHandle(memoryDc_.get());
}

void TBitmap::Replace(Dib dib) {
  DropHandle();
  dib_ = std::move(dib);
}

void TBitmap::DropHandle() {
  if (handle_) Image();
  if (canvas_) canvas_->SetHandle(nullptr);
  // Deleting the memory context frees the selected bitmap for deletion.
  memoryDc_.reset();
  handle_.reset();
}

}  // namespace qb
