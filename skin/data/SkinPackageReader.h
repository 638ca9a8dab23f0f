// Reads a skin package, the unpacked form of a stored skin, field by field:
//   package version, signed 32-bit little-endian (3; up to 3 is read);
//   main, inactive and mask picture slots: a flag byte, and only when it is
//     0 a BMP file image (a non-zero flag means an empty picture);
//   for version 2 only, two more slots that are read and dropped;
//   the count of active pictures, signed 32-bit, and that many BMP file
//     images back to back;
//   the skin definition text, to the end.
// Each BMP file image is as long as its bfSize says.
#pragma once

#include <cstdint>
#include <span>

#include "platform/WinTypes.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class SkinPackageReader {
 public:
  static constexpr std::int32_t kVersion = 3;

  explicit SkinPackageReader(std::span<const BYTE> package) : rest_(package) {}

  // Throws EReadError when fewer than four bytes are left.
  std::int32_t ReadInt32();
  // Reads a flag byte and, when the flag is 0, a picture into `picture`;
  // otherwise `picture` is emptied.
  void ReadPictureSlot(TBitmap& picture);
  // A malformed or cut-off image throws BmpError.
  void ReadPicture(TBitmap& picture);
  // The bytes not read yet: after the pictures, the definition text.
  std::span<const BYTE> Rest() const { return rest_; }

 private:
  std::span<const BYTE> rest_;
};

}  // namespace qb
