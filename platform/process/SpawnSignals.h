// The signal state a spawned child starts with.
#pragma once

#include <spawn.h>

namespace qb {

// Sets `attributes` so that the child starts with no signal blocked and
// every signal at its default action, whatever this program has set up
// for itself (handlers, a mask, signals ignored since its own start);
// `flags` are the other POSIX_SPAWN_* flags the caller wants.
void StartWithDefaultSignals(posix_spawnattr_t* attributes, short flags);

}  // namespace qb
