// SIGTERM, SIGINT and SIGHUP as an ordinary end of the tool.
//
// While the object lives, the first of these signals becomes a quit
// request (and the event "signal" with its name): the message loop ends,
// the modal loops of the save dialog and of message boxes end with it (a
// dialog program is ended too), a running conversion is ended by
// RunAndWait, and the claimed job goes back to its ".ps" name when the
// window is destroyed. Later signals change nothing. A signal the tool was
// started with ignored (nohup, a background job) stays ignored.
//
// Once everything is torn down, the program entry ends the process by the
// signal it took (EndAsSignalled), so that whoever started the tool sees
// it ended by that signal (a shell reports 128 + its number).
#pragma once

#include <signal.h>

#include <thread>

namespace qb {

class TerminationSignals {
 public:
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // The signal taken, or 0. Safe to ask on any thread at any time.
  static int Taken();

  // When a signal was taken: puts the signals' dispositions back and ends
  // the process by that signal. Returns when none was taken.
  void EndAsSignalled();

 private:
  void Restore();

  struct Installed {
    int signal;
    bool ours;
    struct sigaction previous;
  };
  Installed installed_[3];
  int wakeRead_ = -1;
  std::thread listener_;
};

}  // namespace qb
