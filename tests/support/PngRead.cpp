#include "tests/support/PngRead.h"

#include <png.h>

#include <cstring>

namespace qb::test {

std::optional<Surface> ReadPng(const std::filesystem::path& file) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
  // BGRA matches the surface's byte order, so the rows can be read in place.
  image.format = PNG_FORMAT_BGRA;
  Surface surface(int(image.width), int(image.height));
  if (!png_image_finish_read(&image, nullptr, surface.Data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return surface;
}

}  // namespace qb::test
