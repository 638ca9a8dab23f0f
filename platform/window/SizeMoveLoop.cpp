#include <algorithm>

#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

// The rectangle that dragging `edge` by (dx, dy) proposes, kept within the
// tracking limits by holding the opposite edge.
RECT ProposeSize(const RECT& start, WPARAM edge, LONG dx, LONG dy, const MINMAXINFO& limits) {
  RECT r = start;
  const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
  const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
  const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
  const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
  auto width = [&](LONG w) { return std::clamp<LONG>(w, limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x)); };
  auto height = [&](LONG h) { return std::clamp<LONG>(h, limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y)); };
  if (left) r.left = r.right - width(start.right - start.left - dx);
  if (right) r.right = r.left + width(start.right - start.left + dx);
  if (top) r.top = r.bottom - height(start.bottom - start.top - dy);
  if (bottom) r.bottom = r.top + height(start.bottom - start.top + dy);
  return r;
}

}  // namespace

void RunSizeMoveLoop(HWND hwnd, WPARAM command) {
  // The loop follows a held left button; without one there is nothing to drag.
  if (!(GetKeyState(VK_LBUTTON) & 0x8000)) return;
  const bool sizing = (command & 0xFFF0) == SC_SIZE;
  const WPARAM edge = command & 0x000F;
  const RECT start = hwnd->rect;
  POINT anchor;
  GetCursorPos(&anchor);
  MINMAXINFO limits{};
  limits.ptMaxTrackSize = POINT{32767, 32767};
  if (sizing) SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&limits));

  SetCapture(hwnd);
  SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  bool cancelled = false;
  MSG msg;
  for (;;) {
    if (!IsLive(hwnd)) return;
    if (GetCapture() != hwnd) break;
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      HandBackQuit(int(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
      const LONG dx = msg.pt.x - anchor.x;
      const LONG dy = msg.pt.y - anchor.y;
      RECT proposed = sizing ? ProposeSize(start, edge, dx, dy, limits)
                             : RECT{start.left + dx, start.top + dy, start.right + dx, start.bottom + dy};
      SendMessage(hwnd, sizing ? WM_SIZING : WM_MOVING, sizing ? edge : 0, LPARAM(&proposed));
      if (!IsLive(hwnd)) return;
      if (sizing) {
        SetWindowPos(hwnd, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                     proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
      } else {
        SetWindowPos(hwnd, nullptr, proposed.left, proposed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      continue;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == WPARAM(VK_ESCAPE)) {
      cancelled = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  if (!IsLive(hwnd)) return;
  if (cancelled) {
    SetWindowPos(hwnd, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace qb
