#include "skin/frame/ProcessPendingMessages.h"

#include "platform/window/MessageApi.h"

namespace qb {

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

}  // namespace qb
