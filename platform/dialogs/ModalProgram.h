// Runs a desktop program (a dialog) and waits for it with the message loop
// running, so that timers, hand-offs and input go on meanwhile.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qb {

struct ProgramOutcome {
  int exitCode = -1;   // 128 + the signal for a program ended by one
  std::string output;  // what it wrote to standard output
  // A quit request came first: the program was ended (with everything it
  // started: SIGTERM, SIGKILL two seconds later) and the quit left for the
  // outer loop.
  bool interrupted = false;
};

// Starts `program` (a path) with `arguments` and the extra `environment`
// entries ("NAME=value") added to ours, standard input on /dev/null, no
// signal blocked or ignored, in a process group of its own, and waits for
// it to end. Nothing when it cannot be started.
std::optional<ProgramOutcome> RunModalProgram(const std::string& program, const std::vector<std::string>& arguments,
                                              const std::vector<std::string>& environment = {});

}  // namespace qb
