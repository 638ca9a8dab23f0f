// Picks the display backend from QUILLBROOK_BACKEND: "headless" (a virtual
// screen; its scripted user answers the dialogs on its own when the script
// leaves them to it) or "x11". Without it: x11 on the display that DISPLAY
// names.
//
// Anything else fails with EDisplayUnavailable: no DISPLAY, a display that
// cannot be opened, an unknown name. There is no quiet fall-back to the
// headless backend, whose user would accept the save dialog for a person
// who was never asked.
#pragma once

#include <memory>
#include <stdexcept>

#include "platform/backend/Backend.h"

namespace qb {

// The text says why, in English, for stderr.
class EDisplayUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::unique_ptr<Backend> CreateBackend();

}  // namespace qb
