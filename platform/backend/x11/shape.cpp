// Window shapes through the SHAPE extension: the window's region, and for a
// layered window nobody blends, the pixels that are not fully transparent.
// A layered window takes the pointer only on those pixels (its input shape,
// from SHAPE 1.1 on).
#include <optional>

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

namespace {

std::vector<XRectangle> XRectanglesOf(const Region& region) {
  std::vector<XRectangle> rects;
  rects.reserve(region.Rects().size());
  for (const RECT& r : region.Rects()) {
    rects.push_back(XRectangle{short(r.left), short(r.top), static_cast<unsigned short>(r.right - r.left),
                               static_cast<unsigned short>(r.bottom - r.top)});
  }
  return rects;
}

void SetShape(X11Backend::State& state, Window id, int kind, const Region& region) {
  std::vector<XRectangle> rects = XRectanglesOf(region);
  XShapeCombineRectangles(state.display, id, kind, 0, 0, rects.data(), int(rects.size()), ShapeSet, Unsorted);
}

}  // namespace

void ApplyShape(X11Backend::State& state, XWindowRecord& record, HWND hwnd, const Surface& picture, bool layered,
                bool alphaShaped) {
  if (!FeaturesInUse(state).shape) return;
  // The pixels a layered window shows, and so the ones that take the
  // pointer: a click on a pixel of alpha 0 goes to whatever lies below.
  std::optional<Region> shown;
  if (layered) {
    shown = Region::FromRects(OpaqueRuns(picture));
    if (hwnd->shape) shown = shown->Intersect(*hwnd->shape);
  }
  if (alphaShaped) {
    SetShape(state, record.id, ShapeBounding, *shown);
    record.shaped = true;
  } else if (hwnd->shape) {
    SetShape(state, record.id, ShapeBounding, *hwnd->shape);
    record.shaped = true;
  } else if (record.shaped) {
    XShapeCombineMask(state.display, record.id, ShapeBounding, 0, 0, None, ShapeSet);
    record.shaped = false;
  }
  // The input shape follows the bounding shape where that is the pixels
  // already.
  if (layered && !alphaShaped && state.inputShapes) {
    SetShape(state, record.id, ShapeInput, *shown);
    record.inputShaped = true;
  } else if (record.inputShaped) {
    XShapeCombineMask(state.display, record.id, ShapeInput, 0, 0, None, ShapeSet);
    record.inputShaped = false;
  }
}

}  // namespace qb
