// The tool's exit statuses besides 0, for whoever starts it (the session
// agent, scripts). A tool ended by SIGTERM, SIGINT or SIGHUP ends by that
// signal once it has put the job back (TerminationSignals); a script that
// gives up ends it with 3 (platform/script/ScriptedUser.h).
#pragma once

namespace qb {

// No display could be reached and the headless backend was not asked for:
// nothing was claimed, nothing saved.
inline constexpr int kExitNoDisplay = 4;

// No save dialog could be shown: the user was told what to install, and the
// job went back under its ".ps" name.
inline constexpr int kExitNoSaveDialog = 5;

}  // namespace qb
