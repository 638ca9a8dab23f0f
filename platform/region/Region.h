// A region: a set of pixels held as a list of non-overlapping rectangles in
// y-x bands (rows of equal top and bottom, sorted by top, then by left, with
// touching rectangles of a band merged). Fast with thousands of one-pixel-high
// runs, as window shapes made from masks have.
#pragma once

#include <span>
#include <vector>

#include "platform/WinTypes.h"

namespace qb {

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& rect);
  // Any rectangles, overlapping or not; empty ones are ignored.
  static Region FromRects(std::span<const RECT> rects);

  bool IsEmpty() const { return rects_.empty(); }
  RECT Bounds() const;  // all zero when empty
  bool Contains(LONG x, LONG y) const;
  const std::vector<RECT>& Rects() const { return rects_; }

  Region Union(const Region& other) const;
  Region Intersect(const Region& other) const;
  Region Subtract(const Region& other) const;
  void Offset(LONG dx, LONG dy);

  friend bool operator==(const Region&, const Region&) = default;

 private:
  std::vector<RECT> rects_;
};

}  // namespace qb
