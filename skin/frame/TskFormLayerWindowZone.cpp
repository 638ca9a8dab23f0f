#include "skin/frame/TskFormLayerWindowZone.h"

#include "skin/frame/FrameRects.h"

namespace qb {

namespace {

TskLayerZone TopZone(POINT c, const RECT& window, const RECT& form, const TskDataSkinLayerFrame& r) {
  const FrameMargins m = LayerMarginsOf(r);
  const LayerCornerZones z = LayerCornerZonesOf(r);
  const int outerLeft = form.left - m.left;
  const int outerTop = form.top - m.top;
  const int outerRight = form.right + m.right;
  const RECT topLeft{outerLeft, outerTop, outerLeft + z.topLeft.cx, outerTop + z.topLeft.cy};
  const RECT topRight{outerRight - z.topRight.cx, outerTop, outerRight, outerTop + z.topRight.cy};
  const RECT edge{topLeft.right, topLeft.top, topRight.left, topLeft.top + r.hittestsize};
  const RECT leftPart{topLeft.left, topLeft.bottom, topLeft.left + r.hittestsize, window.bottom};
  const RECT rightPart{topRight.left, topRight.bottom, topRight.right, window.bottom};
  RECT caption = r.captionrect;
  caption.right += Width(form) - Width(r.clientrect);
  caption.top = r.borderrect.top + r.hittestsize;
  caption = Offset(caption, window.left, window.top);
  const bool inCaption = Contains(caption, c);
  if (Contains(topLeft, c) && !inCaption) return lzTopLeft;
  if (Contains(edge, c)) return lzTop;
  if (Contains(topRight, c) && !inCaption) return lzTopRight;
  if (Contains(leftPart, c) && !inCaption) return lzLeft;
  if (Contains(rightPart, c) && !inCaption) return lzRight;
  return lzNone;
}

TskLayerZone BottomZone(POINT c, const RECT& window, const RECT& form, const TskDataSkinLayerFrame& r) {
  const FrameMargins m = LayerMarginsOf(r);
  const LayerCornerZones z = LayerCornerZonesOf(r);
  const int outerLeft = form.left - m.left;
  const int outerRight = form.right + m.right;
  const int outerBottom = form.bottom + m.bottom;
  const RECT bottomLeft{outerLeft, outerBottom - z.bottomLeft.cy, outerLeft + z.bottomLeft.cx, outerBottom};
  const RECT bottomRight{outerRight - z.bottomRight.cx, outerBottom - z.bottomRight.cy, outerRight, outerBottom};
  const RECT edge{bottomLeft.right, bottomLeft.top, bottomRight.left, outerBottom};
  const RECT leftPart{bottomLeft.left, window.top, form.left, bottomLeft.top};
  const RECT rightPart{form.right, window.top, outerRight, bottomRight.top};
  if (Contains(bottomLeft, c)) return lzBottomLeft;
  if (Contains(edge, c)) return lzBottom;
  if (Contains(bottomRight, c)) return lzBottomRight;
  if (Contains(leftPart, c)) return lzLeft;
  if (Contains(rightPart, c)) return lzRight;
  return lzNone;
}

}  // namespace

TskLayerZone LayerResizeZoneAt(TskLayerSide side, POINT cursor, const RECT& window, const RECT& form,
                               const TskDataSkinLayerFrame& record) {
  const FrameMargins m = LayerMarginsOf(record);
  switch (side) {
    case lsLeft: return cursor.x >= form.left - m.left ? lzLeft : lzNone;
    case lsRight: return cursor.x > form.right + m.right ? lzNone : lzRight;
    case lsTop: return TopZone(cursor, window, form, record);
    case lsBottom: return BottomZone(cursor, window, form, record);
  }
  return lzNone;
}

}  // namespace qb
