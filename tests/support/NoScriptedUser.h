// The headless backend starts a scripted user that confirms every message
// box and accepts every save dialog by itself. Tests that answer dialogs
// themselves hold one of these: it removes that user for its lifetime and
// installs a fresh one (with no steps) afterwards.
#pragma once

#include "platform/script/ScriptedUser.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/WindowApi.h"

namespace qb::test {

class NoScriptedUser {
 public:
  NoScriptedUser() {
    InitUserInterfaceThread();
    SetLoopAgent({});
  }
  ~NoScriptedUser() { StartScriptedUser(std::vector<ScriptStep>{}); }
  NoScriptedUser(const NoScriptedUser&) = delete;
  NoScriptedUser& operator=(const NoScriptedUser&) = delete;
};

}  // namespace qb::test
