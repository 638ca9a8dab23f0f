// Running a program to its end while the user interface stays alive.
#pragma once

#include <string_view>

namespace qb {

// Starts the command line (Windows rules: platform/process/CommandLine.h)
// and, while it runs, handles every waiting message and then sleeps 50 ms,
// over and over, so that timers, hand-offs from the folder watcher and
// input keep being served. A program that has already ended causes no
// handling at all. Returns its exit code, or -1 when it could not be
// started. The show value is what the program's window would get; our
// children have none.
//
// A termination signal (TerminationSignals) ends the program and whatever
// it started (SIGTERM, SIGKILL after ten seconds) and the wait with it;
// once one has come, nothing is started. The program's end is then not
// the answer to the command line: the caller asks TerminationSignals.
int RunAndWait(std::u16string_view commandLine, int showValue);

}  // namespace qb
