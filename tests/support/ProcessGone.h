// Whether a process of the test's world still runs.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>

namespace qb::test {

// A process that has ended but waits for its reaper counts as gone: it runs
// no more code and holds no files.
bool ProcessRuns(pid_t pid);

// Generous, because a signalled process may take a moment to go.
bool GoneWithin(pid_t pid, std::chrono::seconds limit);

// The process id that a program under test writes to `file` once it runs;
// waits up to 30 seconds for it, 0 (and a test failure) when none came.
pid_t RecordedProcess(const std::filesystem::path& file);

}  // namespace qb::test
