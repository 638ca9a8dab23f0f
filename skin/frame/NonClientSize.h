// The client rectangle the frame leaves inside a proposed window rectangle
// (the frame's answer to WM_NCCALCSIZE). The system's own frame is never
// reserved.
#pragma once

#include "platform/WinTypes.h"
#include "skin/data/TskSkinFormInfo.h"

namespace qb {

// Without a skin (`info` null): a 3-pixel border and a caption of
// `defaultCaptionHeight`. With one: the skin's client rectangle moved to the
// window's size, or the whole window when `clientIsWindow` (the full-border
// layered frame draws everything outside it). Right and bottom never fall
// below left and top.
RECT FrameClientRect(const RECT& window, const TskSkinFormInfo* info, int pictureWidth, int pictureHeight,
                     bool clientIsWindow, int defaultCaptionHeight);

}  // namespace qb
