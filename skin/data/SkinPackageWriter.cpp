#include "skin/data/SkinPackageWriter.h"

namespace qb {

void SkinPackageWriter::WriteInt32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<BYTE>(bits >> shift));
}

void SkinPackageWriter::WritePictureSlot(const TBitmap* picture) {
  const bool empty = picture == nullptr || picture->Empty();
  bytes_.push_back(empty ? 1 : 0);
  if (!empty) WritePicture(*picture);
}

void SkinPackageWriter::WritePicture(const TBitmap& picture) { picture.SaveToStream(bytes_); }

void SkinPackageWriter::WriteBytes(std::span<const BYTE> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

}  // namespace qb
