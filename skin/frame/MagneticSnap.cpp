#include "skin/frame/MagneticSnap.h"

#include <cstdlib>

namespace qb {

namespace {

bool Near(int edge, int areaEdge, int size) { return areaEdge - size < edge && edge < areaEdge + size; }

// One edge: `position` is the outer coordinate that moves the edge, `against`
// the value that puts the edge against the area, `cursor` and `anchor` the
// coordinates along the edge's axis.
void SnapEdge(bool near, bool& flag, int& position, int against, int cursor, int& anchor, int size) {
  if (near && !flag) {
    position = against;
    anchor = cursor;
  } else if (flag && std::abs(cursor - anchor) > size) {
    position = against + (cursor - anchor);
  } else if (flag) {
    position = against;
  }
  flag = near;
}

}  // namespace

POINT MagneticSnap::Snap(int left, int top, int height, int width, const RECT& area, const FrameMargins& margins,
                         POINT cursor, int size) {
  // Everything is worked out for the visible frame and turned back into the
  // window's position at the end.
  int outerLeft = left - margins.left;
  int outerTop = top - margins.top;
  const int outerWidth = margins.left + width + margins.right;
  const int outerHeight = margins.top + height + margins.bottom;

  SnapEdge(Near(outerLeft, area.left, size), SnapLeft, outerLeft, area.left, cursor.x, SnapAnchor.x, size);
  SnapEdge(Near(outerTop, area.top, size), SnapTop, outerTop, area.top, cursor.y, SnapAnchor.y, size);
  SnapEdge(Near(outerLeft + outerWidth, area.right, size), SnapRight, outerLeft, area.right - outerWidth, cursor.x,
           SnapAnchor.x, size);
  SnapEdge(Near(outerTop + outerHeight, area.bottom, size), SnapBottom, outerTop, area.bottom - outerHeight,
           cursor.y, SnapAnchor.y, size);
  return POINT{outerLeft + margins.left, outerTop + margins.top};
}

}  // namespace qb
