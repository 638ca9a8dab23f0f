// Writes a skin package in the layout SkinPackageReader reads.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/WinTypes.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class SkinPackageWriter {
 public:
  void WriteInt32(std::int32_t value);
  // A flag byte 1 for a missing or empty picture, else 0 and the picture.
  void WritePictureSlot(const TBitmap* picture);
  void WritePicture(const TBitmap& picture);
  void WriteBytes(std::span<const BYTE> bytes);

  const std::vector<BYTE>& Bytes() const { return bytes_; }

 private:
  std::vector<BYTE> bytes_;
};

}  // namespace qb
