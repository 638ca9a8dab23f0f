// Feeds arbitrary bytes to the BMP reader. Every input must either decode
// into a consistent bitmap, which then survives a write and a read, or
// raise BmpError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const BYTE> input(data, size);
  qb::Dib dib;
  try {
    const std::size_t length = qb::BmpImageLength(input);
    if (length > size) std::abort();
    dib = qb::ReadBmp(input);
  } catch (const qb::BmpError&) {
    return 0;
  }
  if (dib.bits.size() != std::size_t(dib.Stride()) * std::size_t(dib.height)) std::abort();
  if (dib.bitsPerPixel <= 8 && dib.palette.size() != (std::size_t(1) << dib.bitsPerPixel)) std::abort();
  const qb::Dib again = qb::ReadBmp(qb::WriteBmp(dib));
  if (again.bits != dib.bits || again.palette != dib.palette) std::abort();
  return 0;
}
