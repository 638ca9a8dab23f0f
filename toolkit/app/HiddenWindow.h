// A window that is never shown and only receives messages (the
// application's hand-off window, timers' windows).
#pragma once

#include "platform/window/WindowApi.h"

namespace qb {

// Registers the class on first use; `userData` goes into GWLP_USERDATA
// before the window's first message is handled.
OwnedWindow CreateHiddenWindow(const char16_t* className, WNDPROC procedure, void* userData);

}  // namespace qb
