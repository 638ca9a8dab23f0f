// The order of the skin's active pictures: every "pictureindex" key of the
// definition refers to one of these.
#pragma once

#include <array>
#include <string_view>

namespace qb::skingen {

enum class PictureIndex {
  kActive,
  kHintWindow,
  kPopupWindow,
  kMenuItems,
  kControls,
  kLayerFrameMask,
  kPopupWindowMask,
  kHintWindowMask,
  kLayerFrame,
  kRibbon,
  kAppMenu,
  kAppMenuBackground,
  kButtonAlphaMask,
  kButtonInactiveAlphaMask,
  kSysMenuAlphaMask,
  kSysMenuInactiveAlphaMask,
  kLayerFrameBlurMask,
  kQuickButtonAlphaMask,
};

// The file names, in picture order.
constexpr std::array<std::string_view, 18> kPictureNames{
    "active.bmp",     "hintwindow.bmp",      "pw.bmp",           "menuitems.bmp",    "controls.bmp",
    "layerframemask.bmp", "pwmask.bmp",       "hintwindowmask.bmp", "layerframe.bmp",  "ribbon.bmp",
    "appmenu.bmp",    "appmenubg.bmp",       "balphamask.bmp",   "balphamask1.bmp",  "sbalphamask.bmp",
    "sbalphamask1.bmp", "layerframeblurmask.bmp", "qbalphamask.bmp"};

constexpr std::string_view kMainPictureName = "main.bmp";
constexpr std::string_view kMaskPictureName = "mask.bmp";

}  // namespace qb::skingen
