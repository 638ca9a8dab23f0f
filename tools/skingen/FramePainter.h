// The window frame: the frame picture with its window mask, and the layered
// frame (border and caption bar inside a soft drop shadow) with its alpha mask
// and blur mask.
#pragma once

#include "tools/skingen/Raster.h"

namespace qb::skingen {

struct FramePictures {
  Raster picture;
  Raster mask;
};

struct LayerFramePictures {
  Raster picture;
  Raster alpha;      // grey levels are the alpha of the picture
  Raster blurMask;   // black where blur behind may show
};

FramePictures PaintMainFrame();
LayerFramePictures PaintLayerFrame();

// The caption bar's colour at a row of the layered frame, for pieces that
// must sit seamlessly on it.
Rgb LayerCaptionColor(float row);

}  // namespace qb::skingen
