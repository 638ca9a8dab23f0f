// The scripted user of the headless backend: a virtual person who carries
// out the script named by QUILLBROOK_SCRIPT inside the running message loop.
//
// One step per line; blank lines and lines starting with '#' are ignored.
// Arguments are separated by blanks; an argument with blanks is written in
// double quotes. Steps:
//   wait save-dialog | wait message-box | wait caption TEXT |
//   wait visible NAME | wait hidden NAME | sleep MS
//   save accept | save accept PATH | save cancel | message ok
//   mouse move T | mouse click T | mouse down T | mouse up T | mouse drag T DX,DY
//     (T is "X,Y" in screen pixels or the name of a registered component,
//     meaning its centre; pointer steps move the pointer first, then press or
//     release the left button)
//   key K (Return, Escape, Space, Tab, Alt+Space, Alt+F4)
//   screenshot FILE | touch PATH | remove PATH | rename OLD NEW
//
// A step that waits (the wait steps, and any step whose dialog or component
// is not there yet) gives up after 30 s, or after MS with "timeout=MS" at its
// end; the run then logs "script-timeout" (step) and "quit" (code 3) and the
// program ends with exit code 3. Without a script, and after the last step,
// the headless backend's user accepts every save dialog with its own file
// name and confirms every message box; on a real display it leaves them to
// the real user.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/script/ScriptStep.h"
#include "platform/window/ModalLoop.h"

namespace qb {

class ScriptedUser {
 public:
  // What the user does with a dialog for which the script has no step.
  enum Default { kActsOnItsOwn, kLeavesTheRest };

  explicit ScriptedUser(std::vector<ScriptStep> steps, Default afterTheScript = kActsOnItsOwn);

  // One turn inside the loop: carries out what can be done now and returns
  // when it wants the next turn.
  std::optional<Clock::time_point> Poll();
  bool Finished() const { return next_ >= steps_.size(); }

 private:
  enum class Progress { kDone, kWaiting, kBusy };
  Progress Run(const ScriptStep& step, Clock::time_point now);
  Progress RunPointer(const ScriptStep& step);
  void RespondByDefault();
  [[noreturn]] void GiveUp(const ScriptStep& step);

  std::vector<ScriptStep> steps_;
  Default afterTheScript_;
  std::size_t next_ = 0;
  std::optional<Clock::time_point> deadline_;  // of the step under way
  int phase_ = 0;                              // progress within the step under way
  POINT dragStart_;
};

// Reads QUILLBROOK_SCRIPT (a missing or unreadable script is reported on
// stderr and counts as an empty one) and installs the scripted user as the
// loop's agent.
void StartScriptedUser(ScriptedUser::Default afterTheScript);
// Installs a scripted user with the given steps (tests).
void StartScriptedUser(std::vector<ScriptStep> steps,
                       ScriptedUser::Default afterTheScript = ScriptedUser::kActsOnItsOwn);

}  // namespace qb
