#include "skin/data/SkinPackageReader.h"

#include "platform/gdi/BmpFile.h"
#include "skin/data/SkinErrors.h"

namespace qb {

std::int32_t SkinPackageReader::ReadInt32() {
  if (rest_.size() < 4) throw EReadError("Stream read error");
  const std::uint32_t value = std::uint32_t(rest_[0]) | (std::uint32_t(rest_[1]) << 8) |
                              (std::uint32_t(rest_[2]) << 16) | (std::uint32_t(rest_[3]) << 24);
  rest_ = rest_.subspan(4);
  return static_cast<std::int32_t>(value);
}

void SkinPackageReader::ReadPictureSlot(TBitmap& picture) {
  if (rest_.empty()) throw EReadError("Stream read error");
  const BYTE flag = rest_[0];
  rest_ = rest_.subspan(1);
  if (flag != 0) {
    picture.Clear();
    return;
  }
  ReadPicture(picture);
}

void SkinPackageReader::ReadPicture(TBitmap& picture) {
  const std::size_t length = BmpImageLength(rest_);
  picture.LoadFromStream(rest_.first(length));
  rest_ = rest_.subspan(length);
}

}  // namespace qb
