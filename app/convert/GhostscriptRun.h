// Running the system's Ghostscript for the converter, and the termination
// signals (SIGTERM, SIGINT, SIGHUP) while it runs.
//
// The converter holds the termination signals from its first instruction
// on, so that none of them can end it before it has cleaned up: a signal
// that comes before Ghostscript starts is found by PendingTerminationSignal,
// one that comes while it runs ends Ghostscript (SIGTERM, and SIGKILL when
// it is still there five seconds later), and the converter ends by the
// signal once its output is gone.
#pragma once

#include <string>
#include <vector>

namespace qb::convert {

// $QUILLBROOK_GHOSTSCRIPT when set and not empty, else the Ghostscript that
// the build found when it is still there, else "gs" on the PATH.
std::string GhostscriptProgram();

void HoldTerminationSignals();

// A termination signal that came and has not been taken, or 0.
int PendingTerminationSignal();

// Ends the converter as the signal's default action does.
[[noreturn]] void EndBySignal(int signal);

struct GhostscriptEnd {
  // Its exit code; 128 + the signal's number when a signal ended it; 127
  // when it could not be started.
  int exitCode = -1;
  // The termination signal that made the converter end it, or 0.
  int takenSignal = 0;
};

// Runs `program` (a path, or a name looked up on the PATH) with
// `arguments`, descriptor i of `descriptors` as its descriptor 3 + i, and
// our environment without GS_OPTIONS (which would add switches to ours)
// and without a TMPDIR that names no writable folder (Ghostscript's
// scratch files would fail). It ends when we end, even by SIGKILL.
GhostscriptEnd RunGhostscript(const std::string& program, const std::vector<std::string>& arguments,
                              const std::vector<int>& descriptors);

}  // namespace qb::convert
