// One parsed step of a scripted user's script.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace qb {

struct ScriptStep {
  enum class Kind {
    kWaitSaveDialog, kWaitMessageBox, kWaitCaption, kWaitVisible, kWaitHidden, kSleep,
    kSaveAccept, kSaveCancel, kMessageOk,
    kMouseMove, kMouseClick, kMouseRightClick, kMouseDown, kMouseUp, kMouseDrag,
    kKey, kScreenshot, kTouch, kRemove, kRename,
  };
  Kind kind = Kind::kSleep;
  std::string line;                   // as written, for messages and the event log
  std::u16string text;                // caption, name, path, key, target name
  std::u16string secondText;          // rename target
  std::optional<POINT> point;         // a target given as X,Y
  POINT offset;                       // drag distance
  std::chrono::milliseconds duration{0};   // sleep
  std::chrono::milliseconds timeout{30000};
};

// Parses a whole script. A malformed line throws std::invalid_argument with
// its line number and text.
std::vector<ScriptStep> ParseScript(std::string_view text);

}  // namespace qb
