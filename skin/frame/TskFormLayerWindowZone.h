// The resize zone of the layered frame under the cursor, for one of its four
// windows. Frame objects (zones 9 and 10) are found by the top window's hover
// test before this is asked, and a form that cannot be resized has no zone.
#pragma once

#include "platform/WinTypes.h"
#include "skin/data/TskDataSkinLayerFrame.h"
#include "skin/frame/TskFormLayerBorderGeometry.h"

namespace qb {

enum TskLayerZone {
  lzNone = 0,
  lzLeft = 1,
  lzTop = 2,
  lzRight = 3,
  lzBottom = 4,
  lzTopLeft = 5,
  lzTopRight = 6,
  lzBottomLeft = 7,
  lzBottomRight = 8,
  lzCaption = 9,
  lzObject = 10,
};

// The zone at screen point `cursor` of the window of `side` that lies at
// `window`, around a form at `form`; all in screen coordinates.
TskLayerZone LayerResizeZoneAt(TskLayerSide side, POINT cursor, const RECT& window, const RECT& form,
                               const TskDataSkinLayerFrame& record);

}  // namespace qb
