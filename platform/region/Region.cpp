#include "platform/region/Region.h"

#include <algorithm>
#include <limits>

namespace qb {
namespace {

constexpr LONG kNoEdge = std::numeric_limits<LONG>::max();

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// One band of a region: the rectangles [begin, end) share top and bottom.
struct Band {
  LONG top;
  LONG bottom;
  std::size_t begin;
  std::size_t end;
};

std::vector<Band> BandsOf(const std::vector<RECT>& rects) {
  std::vector<Band> bands;
  std::size_t i = 0;
  while (i < rects.size()) {
    std::size_t j = i + 1;
    while (j < rects.size() && rects[j].top == rects[i].top) ++j;
    bands.push_back({rects[i].top, rects[i].bottom, i, j});
    i = j;
  }
  return bands;
}

enum class Op { kUnion, kIntersect, kSubtract };

bool Keep(Op op, bool inA, bool inB) {
  switch (op) {
    case Op::kUnion: return inA || inB;
    case Op::kIntersect: return inA && inB;
    case Op::kSubtract: return inA && !inB;
  }
  return false;
}

// Appends the band [top, bottom) made of the spans of `a` and `b` combined
// by `op`. Both span lists are sorted and neither touches nor overlaps
// itself, so every x edge toggles exactly one of the two memberships.
void CombineSpans(const RECT* a, std::size_t na, const RECT* b, std::size_t nb, Op op, LONG top,
                  LONG bottom, std::vector<RECT>& out) {
  auto edge = [](const RECT* spans, std::size_t k) {
    return k % 2 == 0 ? spans[k / 2].left : spans[k / 2].right;
  };
  const std::size_t edgesA = 2 * na;
  const std::size_t edgesB = 2 * nb;
  std::size_t ia = 0;
  std::size_t ib = 0;
  bool open = false;
  LONG start = 0;
  while (ia < edgesA || ib < edgesB) {
    const LONG x = std::min(ia < edgesA ? edge(a, ia) : kNoEdge, ib < edgesB ? edge(b, ib) : kNoEdge);
    if (ia < edgesA && edge(a, ia) == x) ++ia;
    if (ib < edgesB && edge(b, ib) == x) ++ib;
    const bool in = Keep(op, ia % 2 == 1, ib % 2 == 1);
    if (in && !open) {
      start = x;
      open = true;
    } else if (!in && open) {
      out.push_back({start, top, x, bottom});
      open = false;
    }
  }
}

// Collects bands one after another. A band that touches the band before it
// and has the same spans is merged into it, which keeps the form canonical
// (equal pixel sets have equal rectangle lists).
class BandWriter {
 public:
  explicit BandWriter(std::vector<RECT>& out) : out_(out) {}

  // Where the next band starts; its rectangles are then appended to the list.
  std::size_t Begin() const { return out_.size(); }

  void End(std::size_t bandStart) {
    const std::size_t count = out_.size() - bandStart;
    if (count == 0) return;
    if (havePrevious_ && MergeWithPrevious(bandStart, count)) return;
    previousStart_ = bandStart;
    havePrevious_ = true;
  }

 private:
  bool MergeWithPrevious(std::size_t bandStart, std::size_t count) {
    if (bandStart - previousStart_ != count || out_[previousStart_].bottom != out_[bandStart].top) return false;
    for (std::size_t k = 0; k < count; ++k) {
      if (out_[previousStart_ + k].left != out_[bandStart + k].left ||
          out_[previousStart_ + k].right != out_[bandStart + k].right) {
        return false;
      }
    }
    const LONG bottom = out_[bandStart].bottom;
    for (std::size_t k = 0; k < count; ++k) out_[previousStart_ + k].bottom = bottom;
    out_.resize(bandStart);
    return true;
  }

  std::vector<RECT>& out_;
  std::size_t previousStart_ = 0;
  bool havePrevious_ = false;
};

std::vector<RECT> Combine(const std::vector<RECT>& a, const std::vector<RECT>& b, Op op) {
  const std::vector<Band> bandsA = BandsOf(a);
  const std::vector<Band> bandsB = BandsOf(b);
  std::vector<RECT> out;
  out.reserve(a.size() + b.size());
  BandWriter writer(out);
  std::size_t ia = 0;
  std::size_t ib = 0;
  LONG y = std::min(bandsA.empty() ? kNoEdge : bandsA[0].top, bandsB.empty() ? kNoEdge : bandsB[0].top);
  while (ia < bandsA.size() || ib < bandsB.size()) {
    const bool inA = ia < bandsA.size() && bandsA[ia].top <= y;
    const bool inB = ib < bandsB.size() && bandsB[ib].top <= y;
    const LONG nextA = ia < bandsA.size() ? (inA ? bandsA[ia].bottom : bandsA[ia].top) : kNoEdge;
    const LONG nextB = ib < bandsB.size() ? (inB ? bandsB[ib].bottom : bandsB[ib].top) : kNoEdge;
    const LONG next = std::min(nextA, nextB);
    if (inA || inB) {
      const std::size_t bandStart = writer.Begin();
      CombineSpans(inA ? &a[bandsA[ia].begin] : nullptr, inA ? bandsA[ia].end - bandsA[ia].begin : 0,
                   inB ? &b[bandsB[ib].begin] : nullptr, inB ? bandsB[ib].end - bandsB[ib].begin : 0,
                   op, y, next, out);
      writer.End(bandStart);
    }
    y = next;
    if (ia < bandsA.size() && bandsA[ia].bottom <= y) ++ia;
    if (ib < bandsB.size() && bandsB[ib].bottom <= y) ++ib;
  }
  return out;
}

bool BoxesOverlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Unites the single-rectangle regions of rects[begin, end) as a balanced
// tree of unions, so n runs cost n log n rather than n squared.
Region UniteRange(std::span<const RECT> rects) {
  if (rects.size() == 1) return Region(rects[0]);
  const std::size_t half = rects.size() / 2;
  return UniteRange(rects.first(half)).Union(UniteRange(rects.subspan(half)));
}

// Mask scans deliver their runs already in bands (row by row, left to right).
// Such input is taken over in one pass, merging touching runs and equal
// neighbouring rows; anything else returns false.
bool TakeBanded(const std::vector<RECT>& rects, std::vector<RECT>& out) {
  BandWriter writer(out);
  std::size_t i = 0;
  while (i < rects.size()) {
    const RECT& first = rects[i];
    if (!out.empty() && first.top < out.back().bottom) return false;
    const std::size_t bandStart = writer.Begin();
    out.push_back(first);
    std::size_t j = i + 1;
    for (; j < rects.size() && rects[j].top == first.top; ++j) {
      const RECT& r = rects[j];
      if (r.bottom != first.bottom || r.left < out.back().right) return false;
      if (r.left == out.back().right) {
        out.back().right = r.right;
      } else {
        out.push_back(r);
      }
    }
    writer.End(bandStart);
    i = j;
  }
  return true;
}

}  // namespace

Region::Region(const RECT& rect) {
  if (!IsEmptyRect(rect)) rects_.push_back(rect);
}

Region Region::FromRects(std::span<const RECT> rects) {
  std::vector<RECT> nonEmpty;
  nonEmpty.reserve(rects.size());
  for (const RECT& r : rects) {
    if (!IsEmptyRect(r)) nonEmpty.push_back(r);
  }
  if (nonEmpty.empty()) return Region();
  Region banded;
  if (TakeBanded(nonEmpty, banded.rects_)) return banded;
  return UniteRange(nonEmpty);
}

RECT Region::Bounds() const {
  if (rects_.empty()) return RECT{};
  RECT box{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
  for (const RECT& r : rects_) {
    box.left = std::min(box.left, r.left);
    box.right = std::max(box.right, r.right);
  }
  return box;
}

bool Region::Contains(LONG x, LONG y) const {
  // Bottoms never decrease along the list, so the first rectangle whose
  // bottom lies below y starts the only band that can hold the point.
  auto band = std::partition_point(rects_.begin(), rects_.end(), [y](const RECT& r) { return r.bottom <= y; });
  if (band == rects_.end() || band->top > y) return false;
  const LONG top = band->top;
  auto bandEnd = std::find_if(band, rects_.end(), [top](const RECT& r) { return r.top != top; });
  auto span = std::partition_point(band, bandEnd, [x](const RECT& r) { return r.right <= x; });
  return span != bandEnd && span->left <= x;
}

Region Region::Union(const Region& other) const {
  if (other.IsEmpty()) return *this;
  if (IsEmpty()) return other;
  Region result;
  result.rects_ = Combine(rects_, other.rects_, Op::kUnion);
  return result;
}

Region Region::Intersect(const Region& other) const {
  if (IsEmpty() || other.IsEmpty() || !BoxesOverlap(Bounds(), other.Bounds())) return Region();
  Region result;
  result.rects_ = Combine(rects_, other.rects_, Op::kIntersect);
  return result;
}

Region Region::Subtract(const Region& other) const {
  if (IsEmpty() || other.IsEmpty() || !BoxesOverlap(Bounds(), other.Bounds())) return *this;
  Region result;
  result.rects_ = Combine(rects_, other.rects_, Op::kSubtract);
  return result;
}

void Region::Offset(LONG dx, LONG dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

}  // namespace qb
