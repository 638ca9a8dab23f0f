// Hit testing of the frame: which part of the window a point lies in, from
// the skin's hit-test points, border width and mask, or from the fixed
// geometry of the unskinned default frame. Points are window coordinates.
#pragma once

#include <span>

#include "platform/WinTypes.h"
#include "skin/data/SkinCompose.h"
#include "skin/frame/FrameGeometry.h"

// A frame area that is neither caption nor resize border: frame objects and
// dead frame. The system ignores clicks there; the frame routes them to its
// objects.
constexpr LRESULT HTOBJECT = 19;

namespace qb {

// What the hit test needs to know of the window besides its geometry.
struct FrameHitState {
  bool RolledUp = false;
  bool Minimized = false;
  bool Maximized = false;
  bool Resizable = false;
  bool InSizeMove = false;
  // A frame object is under the cursor.
  bool ObjectHot = false;
  int BorderWidth = 0;
};

// The mask test: black pixels of the four mask strips (top, bottom, left,
// right, composed for the geometry's size) are inside the window. Points in
// NewMaskRect are always inside; a pixel outside its strip reads as not
// black.
bool MaskContains(const FrameGeometry& geometry, const FrameStrips& mask, POINT p);

// The hit code of a skinned frame. `captionAreas` are the rectangles whose
// points count as caption text (the caption objects' areas); `mask` is null
// for a skin without mask picture.
LRESULT SkinHitTest(const FrameGeometry& geometry, const FrameHitState& state, std::span<const RECT> captionAreas,
                    const FrameStrips* mask, POINT p);

// The hit code of the unskinned default frame of width × height with its
// caption area (see DefaultFrameLayout.h) and caption height.
LRESULT DefaultHitTest(int width, int height, const FrameHitState& state, const RECT& captionArea, int captionHeight,
                       POINT p);

}  // namespace qb
