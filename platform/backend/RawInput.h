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
// A virtual key (VK_ values) going down or up.
void DeliverKey(int virtualKey, bool down);
// The display gave a top-level window the focus, or took it from all of ours
// (null).
void DeliverFocus(HWND topLevel);

// True when every delivered event has been turned into messages.
bool RawInputDrained();

}  // namespace qb
