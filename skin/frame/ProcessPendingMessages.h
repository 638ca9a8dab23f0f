// Handles every message waiting on this thread now, without waiting for
// more: the frame lets the form move and paint inside its own drags, shows
// and fades.
#pragma once

namespace qb {

void ProcessPendingMessages();

// The same, except the pointer's own messages: they stay queued, in order,
// for the caller's loop. A drag step uses it, so that the moves and the
// release that arrive meanwhile reach the drag instead of being swallowed
// while it runs.
void ProcessPendingNonPointerMessages();

}  // namespace qb
