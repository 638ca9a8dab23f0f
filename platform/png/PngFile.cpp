#include "platform/png/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace qb {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by long-jumping back here, so this function holds
// nothing that needs a destructor. Returns false on failure.
bool Encode(std::FILE* file, const Surface& surface, png_byte* row, bool keepAlpha) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(surface.Width()), png_uint_32(surface.Height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < surface.Height(); ++y) {
    const std::uint32_t* in = surface.Row(y);
    for (int x = 0; x < surface.Width(); ++x) {
      row[x * 4] = png_byte(in[x] >> 16);
      row[x * 4 + 1] = png_byte(in[x] >> 8);
      row[x * 4 + 2] = png_byte(in[x]);
      row[x * 4 + 3] = keepAlpha ? png_byte(in[x] >> 24) : png_byte(255);
    }
    png_write_row(png, row);
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void WritePng(const Surface& surface, const std::filesystem::path& path, PngAlpha alpha) {
  if (surface.Empty()) throw PngError("cannot write an empty picture: " + path.string());
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw PngError("cannot create " + path.string());
  std::vector<png_byte> row(std::size_t(surface.Width()) * 4);
  if (!Encode(file.get(), surface, row.data(), alpha == PngAlpha::kKeep) || std::fflush(file.get()) != 0) {
    throw PngError("cannot write " + path.string());
  }
}

}  // namespace qb
