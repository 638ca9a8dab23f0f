// The value types of the frame component's properties and events.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/controls/ControlMessages.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

// Scoped: the toolkit's own border icons use the same names.
enum class TskBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TskBorderIcons = EnumSet<TskBorderIcon>;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

enum TskPositionInMonitor { skpDefault, skpScreenCenter, skpDesktopCenter };

enum TskClientInActiveEffect { skieSemiTransparent, skieBlur };

using TskCaptionPaintEvent = std::function<void(TCanvas& canvas, const RECT& r, bool active)>;
using TskPaintEvent = std::function<void(const std::u16string& idName, TCanvas& canvas, const RECT& objectRect)>;
using TskObjectEvent = std::function<void(const std::u16string& idName)>;
using TskMouseObjectEvent = std::function<void(const std::u16string& idName, int x, int y, const RECT& objectRect,
                                               TMouseButton button)>;
using TskMouseMoveObjectEvent =
    std::function<void(const std::u16string& idName, int x, int y, const RECT& objectRect)>;
using TskActivateCustomObjectEvent = std::function<void(const std::u16string& idName, bool& objectVisible)>;

// The caption height and caption-button size of the unskinned frame.
constexpr int kDefaultCaptionHeight = 19;
constexpr int kDefaultButtonSize = 17;
constexpr int kToolDefaultCaptionHeight = 15;
constexpr int kToolDefaultButtonSize = 13;

// The timers of the frame, in milliseconds.
constexpr UINT kHoverInterval = 50;
constexpr UINT kMorphInterval = 25;
constexpr UINT kAnimationInterval = 25;

}  // namespace qb
