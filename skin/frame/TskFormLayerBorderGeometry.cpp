#include "skin/frame/TskFormLayerBorderGeometry.h"

#include <algorithm>

#include "skin/frame/FrameRects.h"

namespace qb {

FrameMargins LayerMarginsOf(const TskDataSkinLayerFrame& r) {
  if (IsEmpty(r.borderrect)) return FrameMargins{};
  return FrameMargins{r.clientrect.left - r.borderrect.left, r.clientrect.top - r.borderrect.top,
                      r.borderrect.right - r.clientrect.right, r.borderrect.bottom - r.clientrect.bottom};
}

LayerCornerZones LayerCornerZonesOf(const TskDataSkinLayerFrame& r) {
  if (IsEmpty(r.borderrect)) return LayerCornerZones{};
  const RECT& b = r.borderrect;
  return LayerCornerZones{
      SIZE{r.hittestlefttoppoint.x - b.left, r.hittestlefttoppoint.y - b.top},
      SIZE{b.right - r.hittestrighttoppoint.x, r.hittestrighttoppoint.y - b.top},
      SIZE{r.hittestleftbottompoint.x - b.left, b.bottom - r.hittestleftbottompoint.y},
      SIZE{b.right - r.hittestrightbottompoint.x, b.bottom - r.hittestrightbottompoint.y},
  };
}

RECT LayerOuterRect(const TskDataSkinLayerFrame& r, SIZE picture, const RECT& form, bool rolledUp) {
  const int height = rolledUp && r.fullborder ? r.rollupformheight : Height(form) + r.heightoffset;
  const int x = form.left + r.leftoffset - r.clientrect.left;
  const int y = form.top + r.topoffset - r.clientrect.top;
  const int width = Width(form) + r.widthoffset + picture.cx - Width(r.clientrect);
  return RECT{x, y, x + width, y + height + picture.cy - Height(r.clientrect)};
}

LayerStripSizes LayerStripSizesOf(const TskDataSkinLayerFrame& r, SIZE picture, int outerHeight) {
  LayerStripSizes s;
  s.topHeight = std::max(r.lefttoppoint.y, r.righttoppoint.y);
  s.bottomHeight = picture.cy - std::min(r.leftbottompoint.y, r.rightbottompoint.y);
  if (outerHeight < s.topHeight + s.bottomHeight) s.bottomHeight = std::max(0, outerHeight - s.topHeight);
  s.sideHeight = std::max(0, outerHeight - s.topHeight - s.bottomHeight);
  s.leftWidth = r.clientrect.left;
  s.rightWidth = picture.cx - r.clientrect.right;
  return s;
}

LayerWindowRects LayerWindowPlaces(const TskDataSkinLayerFrame& r, SIZE picture, const RECT& outer) {
  const int w = Width(outer);
  const int h = Height(outer);
  const LayerStripSizes s = LayerStripSizesOf(r, picture, h);
  const int x = outer.left;
  const int y = outer.top;
  return LayerWindowRects{
      RECT{x, y + s.topHeight, x + s.leftWidth, y + s.topHeight + s.sideHeight},
      RECT{x, y, x + w, y + s.topHeight},
      RECT{x + w - s.rightWidth, y + s.topHeight, x + w, y + s.topHeight + s.sideHeight},
      RECT{x, y + h - s.bottomHeight, x + w, y + h},
  };
}

}  // namespace qb
