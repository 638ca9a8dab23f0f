#include "toolkit/graphics/TBitmap.h"

#include "platform/gdi/BmpFile.h"

namespace qb {

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

void TBitmap::LoadFromStream(std::span<const BYTE> data) { dib_ = ReadBmp(data); }

void TBitmap::SaveToStream(std::vector<BYTE>& out) const {
  const std::vector<BYTE> file = WriteBmp(dib_);
  out.insert(out.end(), file.begin(), file.end());
}

void TBitmap::Assign(const TPersistent* source) {
  if (source == nullptr) {
    Clear();
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    dib_ = bitmap->dib_;
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace qb
