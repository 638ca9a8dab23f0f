#include "skin/frame/ProcessPendingMessages.h"

#include "platform/window/MessageApi.h"
#include "platform/window/ModalLoop.h"

namespace qb {

namespace {

bool HandleOne(UINT first, UINT last) {
  MSG msg;
  if (!PeekMessage(&msg, nullptr, first, last, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    // The quit request belongs to the loop that runs the program.
    HandBackQuit(int(msg.wParam));
    return false;
  }
  TranslateMessage(&msg);
  DispatchMessage(&msg);
  return true;
}

}  // namespace

void ProcessPendingMessages() {
  while (HandleOne(0, 0)) {
  }
}

void ProcessPendingNonPointerMessages() {
  while (HandleOne(0, WM_MOUSEFIRST - 1) || HandleOne(WM_MOUSELAST + 1, 0xFFFFFFFF)) {
  }
}

}  // namespace qb
