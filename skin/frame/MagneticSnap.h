// Magnetic snapping of a dragged window to the edges of its work area.
//
// Each edge (left, top, right, bottom) that comes strictly within M pixels of
// the area's matching edge is put against it, and the cursor position at that
// moment becomes the edge's anchor. While the edge stays snapped the window
// is held there until the cursor has travelled more than M pixels from the
// anchor; from then on it follows the cursor, offset by that travel. The snap
// flags outlive a drag and are cleared by a size change.
//
// With a layered frame around the window the visible frame, not the window,
// is what snaps: the margins are the frame's widths around the window. The
// result is always the window's own position; a right or bottom edge that is
// held or followed after it stopped being near still yields the position that
// keeps the visible frame where the snap put it.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

// Widths of a visible border around a window: left, top, right, bottom.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const FrameMargins&) const = default;
};

class MagneticSnap {
 public:
  // The adjusted position for a window of `width` × `height` proposed at
  // (left, top), inside `area`, with the cursor at `cursor` and M = `size`.
  POINT Snap(int left, int top, int height, int width, const RECT& area, const FrameMargins& margins, POINT cursor,
             int size);

  // Every size change forgets the snaps.
  void ClearFlags() { SnapLeft = SnapTop = SnapRight = SnapBottom = false; }

  bool SnapLeft = false;
  bool SnapTop = false;
  bool SnapRight = false;
  bool SnapBottom = false;
  // Cursor position when an edge snapped; also set when a move loop starts.
  POINT SnapAnchor{};
};

}  // namespace qb
