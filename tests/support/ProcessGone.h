// Whether a process of the test's world still runs.
#pragma once

#include <sys/types.h>

#include <chrono>

namespace qb::test {

// A process that has ended but waits for its reaper counts as gone: it runs
// no more code and holds no files.
bool ProcessRuns(pid_t pid);

// Generous, because a signalled process may take a moment to go.
bool GoneWithin(pid_t pid, std::chrono::seconds limit);

}  // namespace qb::test
