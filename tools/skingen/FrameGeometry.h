// Where the window frame lies in its two pictures: the frame picture of the
// window's own frame and the layered frame around it. The definition writes
// these numbers and the painters paint to them.
#pragma once

#include "platform/WinTypes.h"

namespace qb::skingen::frame {

constexpr int kMainWidth = 285;
constexpr int kMainHeight = 210;
constexpr POINT kMainLeftTop{9, 27};
constexpr POINT kMainRightTop{273, 27};
constexpr POINT kMainLeftBottom{4, 205};
constexpr POINT kMainRightBottom{279, 205};
constexpr RECT kMainClient{3, 26, 282, 207};
constexpr RECT kMainMaskArea{3, 3, 282, 207};
constexpr POINT kMainHitTestLeftTop{7, 6};
constexpr POINT kMainHitTestRightTop{279, 8};
constexpr POINT kMainHitTestLeftBottom{5, 205};
constexpr POINT kMainHitTestRightBottom{280, 206};
constexpr RECT kMainCaption{5, 3, 280, 20};
constexpr RECT kCaptionSkin{5, 4, 280, 20};
constexpr RECT kCaptionText{5, 0, 269, 16};
constexpr int kButtonsOffset = 3;
constexpr int kBorderWidth = 3;
constexpr int kFormMinWidth = 200;
constexpr float kMainCornerRadius = 6;

constexpr int kLayerWidth = 173;
constexpr int kLayerHeight = 133;
constexpr POINT kLayerLeftTop{31, 46};
constexpr POINT kLayerRightTop{140, 45};
constexpr POINT kLayerLeftBottom{21, 113};
constexpr POINT kLayerRightBottom{151, 113};
constexpr RECT kLayerClient{18, 46, 155, 115};
constexpr RECT kLayerBorder{14, 14, 158, 118};
constexpr RECT kLayerCaption{21, 18, 152, 39};
constexpr int kLayerHitTestSize = 3;
constexpr int kLayerButtonsTop = 21;
constexpr RECT kLayerIntersectBlur{15, 15, 158, 118};
constexpr RECT kLayerExcludeBlur{18, 46, 155, 115};
constexpr float kLayerCornerRadius = 7;

// Caption buttons in the picture of frame objects: one row per button, the
// looks side by side (normal, hot, pressed, inactive).
constexpr int kButtonWidth = 17;
constexpr int kSysMenuWidth = 16;
constexpr int kButtonHeight = 15;
constexpr int kObjectsWidth = 124;
constexpr int kObjectsHeight = 173;
constexpr int kQuickMaskWidth = 23;
constexpr int kQuickMaskHeight = 24;

}  // namespace qb::skingen::frame
