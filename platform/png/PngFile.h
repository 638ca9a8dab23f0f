// Writing surfaces as PNG files (8-bit RGBA).
#pragma once

#include <filesystem>
#include <stdexcept>

#include "platform/gdi/Surface.h"

namespace qb {

class PngError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws PngError when the file cannot be written or the surface is empty.
// GDI drawing leaves alpha 0 behind, so pictures of ordinary windows are
// written opaque; layered content keeps its alpha.
enum class PngAlpha { kOpaque, kKeep };
void WritePng(const Surface& surface, const std::filesystem::path& path, PngAlpha alpha = PngAlpha::kOpaque);

}  // namespace qb
