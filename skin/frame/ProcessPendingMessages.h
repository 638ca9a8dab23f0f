// Handles every message waiting on this thread now, without waiting for
// more: the frame lets the form move and paint inside its own drags, shows
// and fades.
#pragma once

namespace qb {

void ProcessPendingMessages();

}  // namespace qb
