#include "skin/frame/FrameGeometry.h"

#include "skin/frame/FrameRects.h"

namespace qb {

namespace {

POINT Moved(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

}  // namespace

FrameGeometry ComputeFrameGeometry(const TskSkinFormInfo& info, int pictureWidth, int pictureHeight, int width,
                                   int height) {
  const int dW = width - pictureWidth;
  const int dH = height - pictureHeight;
  FrameGeometry g;
  g.PictureWidth = pictureWidth;
  g.PictureHeight = pictureHeight;
  g.Width = width;
  g.Height = height;
  g.lefttoppoint = info.lefttoppoint;
  g.righttoppoint = info.righttoppoint;
  g.leftbottompoint = info.leftbottompoint;
  g.rightbottompoint = info.rightbottompoint;

  g.NewLeftTopPoint = info.lefttoppoint;
  g.NewRightTopPoint = Moved(info.righttoppoint, dW, 0);
  g.NewLeftBottomPoint = Moved(info.leftbottompoint, 0, dH);
  g.NewRightBottomPoint = Moved(info.rightbottompoint, dW, dH);
  const RECT& c = info.clientrect;
  g.NewClientRect = RECT{c.left, c.top, c.right + dW, c.bottom + dH};
  g.NewCaptionRect = info.captionrect;
  if (!IsEmpty(g.NewCaptionRect)) g.NewCaptionRect.right += dW;
  g.NewButtonsRect = info.buttonsrect;
  if (!IsEmpty(g.NewButtonsRect) && g.NewButtonsRect.left > pictureWidth / 2) g.NewButtonsRect = Offset(g.NewButtonsRect, dW, 0);
  g.ButtonsInLeftFlag = info.buttonsinleft;
  g.ButtonsOffset = info.buttonsoffset;
  g.NewHitTestLeftTop = info.hittestlefttoppoint;
  g.NewHitTestRightTop = Moved(info.hittestrighttoppoint, dW, 0);
  g.NewHitTestLeftBottom = Moved(info.hittestleftbottompoint, 0, dH);
  g.NewHitTestRightBottom = Moved(info.hittestrightbottompoint, dW, dH);
  const RECT& m = info.maskrectarea;
  g.NewMaskRect = RECT{m.left, m.top, m.right + dW, m.bottom + dH};
  return g;
}

RECT MapSkinRect(const FrameGeometry& g, const RECT& r) {
  const RECT lt{0, 0, g.lefttoppoint.x, g.lefttoppoint.y};
  const RECT rt{g.righttoppoint.x, 0, g.PictureWidth, g.righttoppoint.y};
  const RECT lb{0, g.leftbottompoint.y, g.leftbottompoint.x, g.PictureHeight};
  const RECT rb{g.rightbottompoint.x, g.rightbottompoint.y, g.PictureWidth, g.PictureHeight};
  const int dX = g.NewRightBottomPoint.x - g.rightbottompoint.x;
  const int dY = g.NewRightBottomPoint.y - g.rightbottompoint.y;
  const POINT tl{r.left, r.top};
  const POINT br{r.right, r.bottom};
  auto inside = [&](const RECT& area) { return Contains(area, tl) && Contains(area, br); };

  if (inside(lt)) return r;
  if (inside(rt)) return Offset(r, dX, 0);
  if (inside(lb)) return Offset(r, 0, dY);
  if (inside(rb)) return Offset(r, dX, dY);
  RECT out = r;
  if (Contains(lt, tl) && Contains(rb, br)) {
    out.right += dX;
    out.bottom += dY;
  } else if (Contains(lt, tl) && Contains(rt, br)) {
    out.right += dX;
  } else if (Contains(lb, tl) && Contains(rb, br)) {
    out.right += dX;
    out = Offset(out, 0, dY);
  } else if (Contains(lt, tl) && Contains(lb, br)) {
    out.bottom += dY;
  } else if (Contains(rt, tl) && Contains(rb, br)) {
    out = Offset(out, dX, 0);
    out.bottom += dY;
  }
  return out;
}

}  // namespace qb
