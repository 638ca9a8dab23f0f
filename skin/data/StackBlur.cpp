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

// The column pass runs over whole rows at once, keeping the three sums of
// every column, so that it reads memory in order; it reads the row pass's
// results from a copy because its window reaches rows it has already written.
void BlurColumns(std::uint32_t* pixels, int width, int height, int r, std::uint32_t divisor) {
  const std::size_t w = std::size_t(width);
  const std::vector<std::uint32_t> in(pixels, pixels + w * std::size_t(height));
  auto row = [&](int y) { return in.data() + w * std::size_t(std::clamp(y, 0, height - 1)); };
  std::vector<std::uint32_t> sum(3 * w), left(3 * w), right(3 * w);
  for (int i = -r; i <= r; ++i) {
    const std::uint32_t* p = row(i);
    const std::uint32_t weight = std::uint32_t(r + 1 - (i < 0 ? -i : i));
    for (int c = 0; c < 3; ++c) {
      std::uint32_t* s = sum.data() + std::size_t(c) * w;
      std::uint32_t* half = (i <= 0 ? left : right).data() + std::size_t(c) * w;
      for (std::size_t x = 0; x < w; ++x) {
        const std::uint32_t v = (p[x] >> (8 * c)) & 0xFF;
        s[x] += weight * v;
        half[x] += v;
      }
    }
  }
  for (int y = 0; y < height; ++y) {
    std::uint32_t* out = pixels + w * std::size_t(y);
    for (std::size_t x = 0; x < w; ++x) {
      out[x] = 0xFF000000u | ((sum[2 * w + x] / divisor) << 16) | ((sum[w + x] / divisor) << 8) | (sum[x] / divisor);
    }
    const std::uint32_t* leaving = row(y - r);
    const std::uint32_t* entering = row(y + r + 1);
    const std::uint32_t* centre = row(y + 1);
    for (int c = 0; c < 3; ++c) {
      const int shift = 8 * c;
      std::uint32_t* s = sum.data() + std::size_t(c) * w;
      std::uint32_t* l = left.data() + std::size_t(c) * w;
      std::uint32_t* rt = right.data() + std::size_t(c) * w;
      for (std::size_t x = 0; x < w; ++x) {
        const std::uint32_t e = (entering[x] >> shift) & 0xFF, m = (centre[x] >> shift) & 0xFF;
        s[x] += rt[x] + e - l[x];
        l[x] += m - ((leaving[x] >> shift) & 0xFF);
        rt[x] += e - m;
      }
    }
  }
}

}  // namespace

void StackBlur(std::uint32_t* pixels, int width, int height, int radius) {
  if (radius <= 0 || width <= 0 || height <= 0) return;
  const std::uint32_t divisor = std::uint32_t(radius + 1) * std::uint32_t(radius + 1);
  std::vector<std::uint32_t> line(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = pixels + std::size_t(y) * std::size_t(width);
    BlurLine(row, 1, width, radius, divisor, line.data());
    std::copy_n(line.data(), width, row);
  }
  BlurColumns(pixels, width, height, radius, divisor);
}

}  // namespace qb
