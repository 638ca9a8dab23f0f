// Loops inside the loop: modal dialogs wait for their answer while timers,
// posted hand-offs and input keep being handled.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace qb {

using Clock = std::chrono::steady_clock;

// Keeps retrieving and dispatching messages until `done` returns true
// (checked after each message and whenever the loop wakes) or WM_QUIT comes;
// WM_QUIT is then posted again for the outer loop. Returns false for WM_QUIT.
bool RunModalUntil(const std::function<bool()>& done);

// An inner loop that took WM_QUIT from the queue hands it back for the loop
// outside it with this. It is the same quit request, not a new one: unlike
// PostQuitMessage it is not logged again.
void HandBackQuit(int exitCode);

// Something that runs inside the loop whenever the loop finds nothing to do
// (the scripted user): it may deliver input or answer a dialog. It returns
// the time by which it wants to run again, or nothing to wait for anything.
// It never runs inside itself.
using LoopAgent = std::function<std::optional<Clock::time_point>()>;

// Installs the agent (one at a time); an empty function removes it.
void SetLoopAgent(LoopAgent agent);

}  // namespace qb
