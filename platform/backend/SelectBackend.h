// Picks the display backend from QUILLBROOK_BACKEND ("headless" or "x11";
// without it: x11 when DISPLAY is set, headless otherwise).
#pragma once

#include <memory>

#include "platform/backend/Backend.h"

namespace qb {

std::unique_ptr<Backend> CreateBackend();

}  // namespace qb
