// Where the layered frame lies around a form: the visible border widths, the
// resize corners, the outer rectangle and the four windows' places, all from
// the skin's layer frame record and the size PW × PH of its picture.
//
// The picture's client rectangle lands on the form's window; the four strips
// are the picture's rows above it (top, max(LT.Y, RT.Y) high), its rows below
// the bottom corner points (bottom), and the columns left and right of the
// client rectangle between them (left, right).
#pragma once

#include "platform/WinTypes.h"
#include "skin/data/TskDataSkinLayerFrame.h"
#include "skin/frame/MagneticSnap.h"

namespace qb {

// Width and height of the four resize corners.
struct LayerCornerZones {
  SIZE topLeft{};
  SIZE topRight{};
  SIZE bottomLeft{};
  SIZE bottomRight{};
};

// The four windows: left (side 0), top (1), right (2), bottom (3).
enum TskLayerSide { lsLeft = 0, lsTop = 1, lsRight = 2, lsBottom = 3 };

struct LayerStripSizes {
  int topHeight = 0;
  int bottomHeight = 0;
  // Height of the left and right strips; 0 when the outer frame is not
  // taller than the top and bottom strips together.
  int sideHeight = 0;
  int leftWidth = 0;
  int rightWidth = 0;
};

struct LayerWindowRects {
  RECT left{};
  RECT top{};
  RECT right{};
  RECT bottom{};
};

// The visible border between the outer edge of the frame's border and the
// form's window; 0 all round when the record has no border rectangle.
FrameMargins LayerMarginsOf(const TskDataSkinLayerFrame& record);
LayerCornerZones LayerCornerZonesOf(const TskDataSkinLayerFrame& record);

// The outer rectangle for a form at `form` (screen). A rolled-up form in the
// full-border frame takes the record's rolled-up height instead of its own.
RECT LayerOuterRect(const TskDataSkinLayerFrame& record, SIZE picture, const RECT& form, bool rolledUp);

LayerStripSizes LayerStripSizesOf(const TskDataSkinLayerFrame& record, SIZE picture, int outerHeight);

// The screen rectangles of the four windows for the outer rectangle `outer`.
LayerWindowRects LayerWindowPlaces(const TskDataSkinLayerFrame& record, SIZE picture, const RECT& outer);

}  // namespace qb
