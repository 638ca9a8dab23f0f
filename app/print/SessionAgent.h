// The session agent, quillbrook-agent: runs as the user in the user's
// graphical session and starts the tool there whenever jobs wait in the
// user's spool folder.
//
// It watches the spool folder for new names and starts the tool of its
// program folder (no arguments, the session's environment), one run at a
// time, again after each run while jobs wait: one run handles one job. A
// run that leaves every job it found waiting (the tool could reach no
// display or found no dialog program, or a shutdown signal ended it) is
// not repeated at once; those jobs are tried again when a new job arrives,
// when the agent starts anew (the next session), or after a back-off that
// doubles from `firstRetry` up to `lastRetry`.
//
// At SIGTERM, SIGINT or SIGHUP the agent ends its running tool with
// SIGTERM, waits for it (the tool puts its job back to wait), and ends.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace qb {

struct SessionAgentSetup {
  // Ends in "/"; the tool is "quillbrook" there.
  std::u16string programFolder;
  // The user's spool folder, ending in "/".
  std::u16string spoolFolder;
  std::chrono::milliseconds firstRetry{std::chrono::minutes(1)};
  std::chrono::milliseconds lastRetry{std::chrono::minutes(30)};
  // A signalfd for SIGTERM, SIGINT, SIGHUP and SIGCHLD, all blocked.
  int signalFd = -1;
};

// Runs until a termination signal; returns the exit status. Messages, few,
// go to `messages` (the session's log). Raises EPrintError when the spool
// folder cannot be watched.
int RunSessionAgent(const SessionAgentSetup& setup, std::ostream& messages);

}  // namespace qb
