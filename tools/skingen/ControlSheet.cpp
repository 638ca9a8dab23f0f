#include "tools/skingen/ControlSheet.h"

#include <algorithm>

#include "platform/Check.h"
#include "tools/skingen/Theme.h"

namespace qb::skingen {
namespace {

constexpr int kGap = 2;

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right + kGap && b.left < a.right + kGap && a.top < b.bottom + kGap && b.top < a.bottom + kGap;
}

}  // namespace

ControlSheet::ControlSheet() : picture_(kWidth, kHeight, theme::kClient), skyline_(kWidth, 0) {}

void ControlSheet::Reserve(const RECT& r) { fixed_.push_back(r); }

// Skyline packing: each piece goes where it can sit highest, below what
// is already placed in its columns and clear of the fixed pieces.
RECT ControlSheet::Allocate(int width, int height) {
  QB_CHECK(width > 0 && height > 0 && width <= kWidth);
  RECT best{0, kHeight, 0, kHeight};
  for (int x = 0; x + width <= kWidth; ++x) {
    int y = *std::max_element(skyline_.begin() + x, skyline_.begin() + x + width);
    for (bool moved = true; moved && y < best.top;) {
      moved = false;
      const RECT candidate{x, y, x + width, y + height};
      for (const RECT& t : fixed_) {
        if (Overlap(candidate, t)) {
          y = t.bottom + kGap;
          moved = true;
        }
      }
    }
    if (y < best.top) best = {x, y, x + width, y + height};
  }
  QB_CHECK(best.bottom <= kHeight);
  std::fill(skyline_.begin() + best.left, skyline_.begin() + best.right, int(best.bottom) + kGap);
  return best;
}

IniSection& ControlSheet::Add(const std::string& name, const std::string& type, const RECT& skinRect,
                                PictureIndex picture) {
  entries_.push_back({type, IniSection(name)});
  return entries_.back()
      .section.Int("pictureindex", int(picture))
      .Int("maskpictureindex", -1)
      .Rect("skinrect", skinRect);
}

}  // namespace qb::skingen
