// The skin's frame geometry moved to the window's current size.
//
// The skin describes its frame in pixels of the main picture (PW × PH). A
// window of W × H keeps everything left of and above the left-top corner
// where it is; what lies right of or below the moving corners follows the
// right and bottom edges by dW = W − PW and dH = H − PH. All coordinates are
// window coordinates with (0, 0) at the window's top-left pixel.
#pragma once

#include "platform/WinTypes.h"
#include "skin/data/TskSkinFormInfo.h"

namespace qb {

struct FrameGeometry {
  int PictureWidth = 0;
  int PictureHeight = 0;
  int Width = 0;
  int Height = 0;
  // The skin's own corner points, kept for MapSkinRect.
  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};

  POINT NewLeftTopPoint{};
  POINT NewRightTopPoint{};
  POINT NewLeftBottomPoint{};
  POINT NewRightBottomPoint{};
  RECT NewClientRect{};
  RECT NewCaptionRect{};
  RECT NewButtonsRect{};
  bool ButtonsInLeftFlag = false;
  int ButtonsOffset = 0;
  POINT NewHitTestLeftTop{};
  POINT NewHitTestRightTop{};
  POINT NewHitTestLeftBottom{};
  POINT NewHitTestRightBottom{};
  RECT NewMaskRect{};
};

// The geometry of `info` for a picture of pictureWidth × pictureHeight shown
// in a window of width × height.
FrameGeometry ComputeFrameGeometry(const TskSkinFormInfo& info, int pictureWidth, int pictureHeight, int width,
                                   int height);

// Moves a rectangle of the picture to the geometry's size: one that lies
// wholly in a fixed corner area moves with that corner; one that spans
// corner areas stretches between them; any other keeps its place.
RECT MapSkinRect(const FrameGeometry& geometry, const RECT& r);

}  // namespace qb
