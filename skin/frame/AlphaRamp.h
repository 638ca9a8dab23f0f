// The fade-in of the frame and of the form: an alpha raised from 0 to a
// target in steps of 1/15 of it (at least 1), one step whenever more than
// 5 ms have passed. It busy-waits without handling messages, so that
// nothing else is drawn between the steps.
#pragma once

#include <functional>

namespace qb {

// Calls `apply` with each new alpha, the last call with `target`.
void RampAlpha(int target, const std::function<void(int alpha)>& apply);

}  // namespace qb
