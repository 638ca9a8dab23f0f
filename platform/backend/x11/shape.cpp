// Window shapes through the SHAPE extension: the window's region, and for a
// layered window nobody blends, the pixels that are not fully transparent.
#include "platform/backend/x11/X11State.h"

#include <X11/extensions/shape.h>

namespace qb {

std::vector<RECT> OpaqueRuns(const Surface& picture) {
  std::vector<RECT> rects;
  std::vector<RECT> previousRow;  // the runs of the row above, still growing
  std::vector<RECT> row;
  for (int y = 0; y < picture.Height(); ++y) {
    row.clear();
    const std::uint32_t* pixels = picture.Row(y);
    for (int x = 0; x < picture.Width();) {
      if ((pixels[x] >> 24) == 0) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < picture.Width() && (pixels[x] >> 24) != 0) ++x;
      row.push_back(RECT{start, y, x, y + 1});
    }
    // A row with the same runs as the one above extends those rectangles.
    bool same = row.size() == previousRow.size();
    for (std::size_t i = 0; same && i < row.size(); ++i) {
      same = row[i].left == previousRow[i].left && row[i].right == previousRow[i].right;
    }
    if (same) {
      for (RECT& r : previousRow) r.bottom = y + 1;
    } else {
      rects.insert(rects.end(), previousRow.begin(), previousRow.end());
      previousRow = row;
    }
  }
  rects.insert(rects.end(), previousRow.begin(), previousRow.end());
  return rects;
}

void ApplyShape(X11Backend::State& state, XWindowRecord& record, HWND hwnd, const Surface& picture,
                bool alphaShaped) {
  if (!state.features.shape) return;
  if (!hwnd->shape && !alphaShaped) {
    if (record.shaped) XShapeCombineMask(state.display, record.id, ShapeBounding, 0, 0, None, ShapeSet);
    record.shaped = false;
    return;
  }
  Region shape;
  if (alphaShaped) {
    shape = Region::FromRects(OpaqueRuns(picture));
    if (hwnd->shape) shape = shape.Intersect(*hwnd->shape);
  } else {
    shape = *hwnd->shape;
  }
  std::vector<XRectangle> rects;
  rects.reserve(shape.Rects().size());
  for (const RECT& r : shape.Rects()) {
    rects.push_back(XRectangle{short(r.left), short(r.top), static_cast<unsigned short>(r.right - r.left),
                               static_cast<unsigned short>(r.bottom - r.top)});
  }
  XShapeCombineRectangles(state.display, record.id, ShapeBounding, 0, 0, rects.data(), int(rects.size()), ShapeSet,
                          Unsorted);
  record.shaped = true;
}

}  // namespace qb
