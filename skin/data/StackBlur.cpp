#include "skin/data/StackBlur.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace qb {
namespace {

// Blurs one line of `n` pixels read at `in` with `step` between them into
// `out`. The weighted sum moves by the pixels leaving its left half and
// entering its right half, so each pixel costs a constant number of
// additions whatever the radius.
void BlurLine(const std::uint32_t* in, std::ptrdiff_t step, int n, int r, std::uint32_t divisor,
              std::uint32_t* out) {
  auto at = [&](int i) { return in[std::ptrdiff_t(std::clamp(i, 0, n - 1)) * step]; };
  std::uint32_t sum[3] = {}, left[3] = {}, right[3] = {};
  for (int i = -r; i <= r; ++i) {
    const std::uint32_t p = at(i);
    const std::uint32_t weight = std::uint32_t(r + 1 - (i < 0 ? -i : i));
    for (int c = 0; c < 3; ++c) {
      const std::uint32_t v = (p >> (8 * c)) & 0xFF;
      sum[c] += weight * v;
      (i <= 0 ? left : right)[c] += v;
    }
  }
  for (int x = 0; x < n; ++x) {
    out[x] = 0xFF000000u | ((sum[2] / divisor) << 16) | ((sum[1] / divisor) << 8) | (sum[0] / divisor);
    const std::uint32_t leaving = at(x - r), entering = at(x + r + 1), centre = at(x + 1);
    for (int c = 0; c < 3; ++c) {
      const int shift = 8 * c;
      sum[c] += right[c] + ((entering >> shift) & 0xFF) - left[c];
      left[c] += ((centre >> shift) & 0xFF) - ((leaving >> shift) & 0xFF);
      right[c] += ((entering >> shift) & 0xFF) - ((centre >> shift) & 0xFF);
    }
  }
}

}  // namespace

void StackBlur(std::uint32_t* pixels, int width, int height, int radius) {
  if (radius <= 0 || width <= 0 || height <= 0) return;
  const std::uint32_t divisor = std::uint32_t(radius + 1) * std::uint32_t(radius + 1);
  std::vector<std::uint32_t> line(std::size_t(std::max(width, height)));
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = pixels + std::size_t(y) * std::size_t(width);
    BlurLine(row, 1, width, radius, divisor, line.data());
    std::copy_n(line.data(), width, row);
  }
  for (int x = 0; x < width; ++x) {
    BlurLine(pixels + x, width, height, radius, divisor, line.data());
    for (int y = 0; y < height; ++y) pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = line[std::size_t(y)];
  }
}

}  // namespace qb
