// Every skinned control of our skin: the push button and gauge the window
// uses, at their fixed places, and the other controls of the skin library,
// laid out around them.
#pragma once

#include "tools/skingen/ControlSheet.h"

namespace qb::skingen {

namespace controls {
constexpr RECT kResizeButton{90, 224, 130, 263};
constexpr RECT kResizeButtonHot{132, 224, 172, 263};
constexpr RECT kResizeButtonDown{173, 224, 213, 263};
constexpr RECT kResizeButtonMarker{307, 296, 312, 300};
constexpr RECT kGauge{4, 91, 22, 106};
constexpr RECT kGaugeProgress{24, 94, 43, 105};
constexpr RECT kGaugeProgressArea{2, 2, 17, 14};
}  // namespace controls

ControlSheet PaintControls();

}  // namespace qb::skingen
