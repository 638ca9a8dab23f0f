// Every picture of our skin, painted, and the definition that describes
// them: what the skin folder is written from.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/Dib.h"
#include "tools/skingen/CaptionButtonPainter.h"
#include "tools/skingen/ControlSheet.h"
#include "tools/skingen/FramePainter.h"
#include "tools/skingen/PopupPainter.h"
#include "tools/skingen/RibbonPainter.h"

namespace qb::skingen {

struct SkinFile {
  std::string name;
  Dib dib;
};

struct PaintedSkin {
  FramePictures frame;
  LayerFramePictures layer;
  CaptionButtonPictures buttons;
  ControlSheet controls;
  PopupPictures popups;
  RibbonPictures ribbon;
  std::string definition;

  // The frame picture and its mask, then the active pictures in their order,
  // each in the pixel format it is stored with.
  std::vector<SkinFile> Files() const;
};

PaintedSkin PaintSkin();

}  // namespace qb::skingen
