// Running the toolkit's own message loop in tests. Unlike PumpUntil, these
// go through TApplication::HandleMessage, so that key handling (shortcuts,
// dialog keys, accelerators) takes part as in the program.
#pragma once

#include <chrono>
#include <functional>

#include "platform/backend/RawInput.h"
#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"
#include "toolkit/app/TApplication.h"

namespace qb::test {

// Handles messages until `done` holds or the watchdog expires (the test
// then fails instead of hanging). Returns whether `done` held.
inline bool RunApplicationUntil(TApplication& application, const std::function<bool()>& done,
                                std::chrono::milliseconds watchdog = std::chrono::seconds(10)) {
  // A thread timer keeps the loop waking up so that the watchdog is seen.
  const UINT_PTR ticker = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {});
  const auto deadline = Clock::now() + watchdog;
  while (!done() && Clock::now() < deadline && !application.Terminated()) application.HandleMessage();
  KillTimer(nullptr, ticker);
  return done();
}

// Handles everything delivered so far (input, posted messages, paints).
inline void ProcessPending(TApplication& application) {
  do {
    application.ProcessMessages();
  } while (!RawInputDrained());
  application.ProcessMessages();
}

}  // namespace qb::test
