// A rectangle with its own radius at each corner, as a signed distance field:
// negative inside, positive outside, in pixels. Pixel (x, y) covers the
// square x … x + 1, so a rectangle from 0 to 10 covers exactly ten pixels.
#pragma once

namespace qb::skingen {

struct RoundRect {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
  float topLeft = 0;
  float topRight = 0;
  float bottomLeft = 0;
  float bottomRight = 0;

  static RoundRect Uniform(float l, float t, float r, float b, float radius) {
    return {l, t, r, b, radius, radius, radius, radius};
  }
  float Distance(float x, float y) const;
};

}  // namespace qb::skingen
