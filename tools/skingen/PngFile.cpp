#include "tools/skingen/PngFile.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace qb::skingen {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

struct WriteStruct {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~WriteStruct() { png_destroy_write_struct(&png, &info); }
};

png_byte ToByte(float v) { return png_byte(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

void WritePng(const std::filesystem::path& path, const Raster& raster) {
  std::vector<png_byte> pixels;
  pixels.reserve(std::size_t(raster.Width()) * std::size_t(raster.Height()) * 3);
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      const Rgb c = raster.At(x, y);
      pixels.insert(pixels.end(), {ToByte(c.r), ToByte(c.g), ToByte(c.b)});
    }
  }
  std::vector<png_bytep> rows;
  for (int y = 0; y < raster.Height(); ++y) rows.push_back(pixels.data() + std::size_t(y) * std::size_t(raster.Width()) * 3);

  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot write " + path.string());
  WriteStruct w;
  w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (w.png) w.info = png_create_info_struct(w.png);
  if (!w.png || !w.info) throw std::runtime_error("cannot write " + path.string());
  if (setjmp(png_jmpbuf(w.png))) throw std::runtime_error("cannot write " + path.string());
  png_init_io(w.png, file.get());
  png_set_IHDR(w.png, w.info, png_uint_32(raster.Width()), png_uint_32(raster.Height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(w.png, w.info, rows.data());
  png_write_png(w.png, w.info, PNG_TRANSFORM_IDENTITY, nullptr);
}

}  // namespace qb::skingen
