// The command that "prints" to the tool: quillbrook-print.
//
//   quillbrook-print [-t TITLE | --title TITLE | --title=TITLE] [FILE | -]
//
// Reads a PostScript job from FILE, or from standard input without one or
// with "-", puts it into the user's spool folder (PrepareSpoolFolder,
// JobSpooler) and starts the tool of the same installation, detached from
// the command and without arguments, so that the command can end at once;
// while the user's session agent runs, the agent starts it instead.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Exit statuses besides 0.
inline constexpr int kPrintFailed = 1;
inline constexpr int kPrintUsage = 2;

// Runs the command with its arguments (without the program's name) for the
// installation in `programFolder` (ending in "/"; res/global.ini and the
// tool "quillbrook" are there). `input` is read when no file is named; a
// readable `cancelFd` abandons the job (JobSpooler::SetCancelFd). Messages
// go to `errors`. Returns the exit status.
int RunPrintCommand(const std::vector<std::string>& arguments, std::u16string_view programFolder, int input,
                    std::ostream& errors, int cancelFd = -1);

}  // namespace qb
