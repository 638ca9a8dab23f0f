// An RGB picture being painted. Shapes are composited onto it with 4 × 4
// samples per pixel, so edges and rounded corners come out anti-aliased; the
// result is then stored as a 24-bit picture or as a palette mask.
#pragma once

#include <functional>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"
#include "tools/skingen/Rgb.h"

namespace qb::skingen {

// The colour and coverage of a shape at a point of the picture.
using Shader = std::function<Sample(float x, float y)>;

class Raster {
 public:
  Raster(int width, int height, Rgb fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb color);

  // Composites the shader over the pixels of area (clipped to the picture).
  void Paint(const RECT& area, const Shader& shader);
  void Fill(const RECT& area, Rgb color);
  // Copies a rectangle of another raster, clipped on both sides.
  void Copy(const Raster& source, const RECT& from, POINT to);

  Dib ToDib24() const;
  // A palette picture of grey levels (1, 4 or 8 bits per pixel); each pixel
  // takes the nearest level of its grey value.
  Dib ToGreyDib(int bitsPerPixel) const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace qb::skingen
