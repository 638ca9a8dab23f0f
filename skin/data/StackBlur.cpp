#include "skin/data/StackBlur.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace qb {
namespace {

// Division of a channel sum by the kernel's divisor d through one multiply:
// with m = ceil(2^55 / d), (s × m) >> 55 equals s div d for every sum s up to
// 255 × d as long as 255 × d² < 2^55, which radii up to kMaxRadius keep.
class Divider {
 public:
  explicit Divider(std::uint32_t d) : m_(((std::uint64_t(1) << 55) + d - 1) / d) {}
  std::uint32_t operator()(std::uint32_t sum) const { return std::uint32_t((sum * m_) >> 55); }

 private:
  std::uint64_t m_;
};

constexpr int kMaxRadius = 3000;

// Blurs a row of `n` pixels. `padded` holds the row with r copies of its
// first pixel before it and r + 1 copies of its last after it, so that the
// window never needs a bounds check. The weighted sum moves by the pixels
// leaving its left half and entering its right half, so each pixel costs a
// constant number of additions whatever the radius.
void BlurRow(const std::uint32_t* padded, int n, int r, const Divider& divide, std::uint32_t* out) {
  std::uint32_t sum[3] = {}, left[3] = {}, right[3] = {};
  for (int i = -r; i <= r; ++i) {
    const std::uint32_t p = padded[i + r];
    const std::uint32_t weight = std::uint32_t(r + 1 - (i < 0 ? -i : i));
    for (int c = 0; c < 3; ++c) {
      const std::uint32_t v = (p >> (8 * c)) & 0xFF;
      sum[c] += weight * v;
      (i <= 0 ? left : right)[c] += v;
    }
  }
  for (int x = 0; x < n; ++x) {
    out[x] = 0xFF000000u | (divide(sum[2]) << 16) | (divide(sum[1]) << 8) | divide(sum[0]);
    const std::uint32_t leaving = padded[x], entering = padded[x + 2 * r + 1], centre = padded[x + r + 1];
    for (int c = 0; c < 3; ++c) {
      const int shift = 8 * c;
      const std::uint32_t e = (entering >> shift) & 0xFF, m = (centre >> shift) & 0xFF;
      sum[c] += right[c] + e - left[c];
      left[c] += m - ((leaving >> shift) & 0xFF);
      right[c] += e - m;
    }
  }
}

// The column pass runs over whole rows at once, keeping the three sums of
// every column, so that it reads memory in order; it reads the row pass's
// results from a copy because its window reaches rows it has already written.
void BlurColumns(std::uint32_t* pixels, int width, int height, int r, const Divider& divide) {
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
      out[x] = 0xFF000000u | (divide(sum[2 * w + x]) << 16) | (divide(sum[w + x]) << 8) | divide(sum[x]);
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
  radius = std::min(radius, kMaxRadius);
  const Divider divide(std::uint32_t(radius + 1) * std::uint32_t(radius + 1));
  std::vector<std::uint32_t> padded(std::size_t(width) + 2 * std::size_t(radius) + 1);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = pixels + std::size_t(y) * std::size_t(width);
    std::fill_n(padded.begin(), radius, row[0]);
    std::copy_n(row, width, padded.begin() + radius);
    std::fill(padded.begin() + radius + width, padded.end(), row[width - 1]);
    BlurRow(padded.data(), width, radius, divide, row);
  }
  BlurColumns(pixels, width, height, radius, divide);
}

}  // namespace qb
