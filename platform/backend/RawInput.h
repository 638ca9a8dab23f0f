// Raw input from a display backend (or from a test or the scripted user
// through the headless backend's injection functions). Thread-safe: each
// call queues one event and wakes the user-interface thread's loop, which
// turns it into window messages through hit testing.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

enum class MouseButton { kLeft, kRight, kMiddle };

void DeliverPointerMove(POINT screen);
void DeliverButton(MouseButton button, bool down);
// A virtual key (VK_ values) going down or up. `character` is what a press
// types as the display's keyboard layout and the modifiers held make it
// (TranslateMessage turns it into WM_CHAR); 0 when the display says nothing,
// and TranslateMessage works it out from the virtual key itself.
void DeliverKey(int virtualKey, bool down, char32_t character = 0);
// The display gave a top-level window the focus, or took it from all of ours
// (null).
void DeliverFocus(HWND topLevel);

// The display started or stopped blending per-pixel alpha: every layered
// window is presented again and every top-level window is sent
// WM_DWMCOMPOSITIONCHANGED.
void DeliverCompositionChange();

// True when every delivered event has been turned into messages.
bool RawInputDrained();

}  // namespace qb
