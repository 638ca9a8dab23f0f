#include <algorithm>

#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

bool IsTopmost(HWND w) { return (w->exStyle & WS_EX_TOPMOST) != 0; }

bool IsOwnedBy(HWND w, HWND owner) {
  for (HWND o = w->owner; o; o = o->owner) {
    if (o == owner) return true;
  }
  return false;
}

// Windows owned by `hwnd` (directly or not) stay right above it, in their order.
void KeepOwnedAbove(HWND hwnd, std::vector<HWND>& list) {
  std::vector<HWND> owned;
  for (HWND w : list) {
    if (IsOwnedBy(w, hwnd)) owned.push_back(w);
  }
  if (owned.empty()) return;
  std::erase_if(list, [hwnd](HWND w) { return IsOwnedBy(w, hwnd); });
  list.insert(std::find(list.begin(), list.end(), hwnd), owned.begin(), owned.end());
}

// Puts the window at its new place among its siblings; top-level windows
// keep the topmost band above the others and their owned windows above
// them. Returns whether the order changed.
bool ApplyZOrder(HWND hwnd, HWND insertAfter) {
  std::vector<HWND>& list = hwnd->parent ? hwnd->parent->children : UiThread::Get().topLevels;
  const std::vector<HWND> before = list;
  std::erase(list, hwnd);
  if (!hwnd->parent) {
    if (insertAfter == HWND_TOPMOST) hwnd->exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM) hwnd->exStyle &= ~WS_EX_TOPMOST;
  }
  if (insertAfter == HWND_BOTTOM) {
    list.push_back(hwnd);
  } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    auto at = list.begin();
    if (!hwnd->parent && !IsTopmost(hwnd)) at = std::find_if(list.begin(), list.end(), [](HWND w) { return !IsTopmost(w); });
    list.insert(at, hwnd);
  } else {
    auto at = std::find(list.begin(), list.end(), insertAfter);
    list.insert(at == list.end() ? list.end() : at + 1, hwnd);
  }
  if (!hwnd->parent) {
    KeepOwnedAbove(hwnd, list);
    std::stable_partition(list.begin(), list.end(), IsTopmost);
  }
  return list != before;
}

}  // namespace

void RestackBackend() { UiThread::Get().backend->StackWindows(UiThread::Get().topLevels); }

void InvalidateParentUnder(HWND child) {
  HWND parent = child->parent;
  if (!parent) return;
  RECT inParent = child->rect;  // already in the parent's client coordinates
  InvalidateWindowArea(parent, Region(inParent), true, ChildInvalidation::kAll);
}

}  // namespace qb

using qb::UiThread;

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  if (!qb::IsLive(hwnd)) return FALSE;
  UiThread& ui = UiThread::Get();
  const bool wasVisible = IsWindowVisible(hwnd);
  if ((flags & SWP_SHOWWINDOW) && (hwnd->style & WS_VISIBLE)) flags &= ~SWP_SHOWWINDOW;
  if ((flags & SWP_HIDEWINDOW) && !(hwnd->style & WS_VISIBLE)) flags &= ~SWP_HIDEWINDOW;
  WINDOWPOS pos{hwnd, insertAfter, x, y, width, height, flags};
  // What SWP_NOMOVE and SWP_NOSIZE keep, before and after the procedure had its say.
  auto keepUnchanged = [&] {
    if (pos.flags & SWP_NOMOVE) {
      pos.x = hwnd->rect.left;
      pos.y = hwnd->rect.top;
    }
    if (pos.flags & SWP_NOSIZE) {
      pos.cx = hwnd->Width();
      pos.cy = hwnd->Height();
    }
  };
  keepUnchanged();
  SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
  if (!qb::IsLive(hwnd)) return FALSE;
  flags = pos.flags;
  keepUnchanged();
  const RECT oldRect = hwnd->rect;
  const RECT oldClient = hwnd->client;
  const RECT newRect{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
  const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  const bool sized = (newRect.right - newRect.left) != hwnd->Width() || (newRect.bottom - newRect.top) != hwnd->Height();

  if (sized || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = newRect;
    params.rgrc[1] = oldRect;
    params.rgrc[2] = RECT{oldRect.left + oldClient.left, oldRect.top + oldClient.top, oldRect.left + oldClient.right,
                          oldRect.top + oldClient.bottom};
    params.lppos = &pos;
    SendMessage(hwnd, WM_NCCALCSIZE, TRUE, LPARAM(&params));
    if (!qb::IsLive(hwnd)) return FALSE;
    const RECT& c = params.rgrc[0];
    hwnd->client = RECT{c.left - newRect.left, c.top - newRect.top, c.right - newRect.left, c.bottom - newRect.top};
  }
  if (hwnd->parent && wasVisible && (moved || sized || (flags & SWP_HIDEWINDOW)) && !(flags & SWP_NOREDRAW)) {
    qb::InvalidateParentUnder(hwnd);
  }
  hwnd->rect = newRect;
  const bool restacked = !(flags & SWP_NOZORDER) && qb::ApplyZOrder(hwnd, pos.hwndInsertAfter);
  if (flags & SWP_SHOWWINDOW) hwnd->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) hwnd->style &= ~WS_VISIBLE;
  const bool visible = IsWindowVisible(hwnd);

  if (hwnd->top && sized) hwnd->top->storeResized = true;
  const bool repaint = visible && (sized || (flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) || (hwnd->parent && (moved || restacked)));
  if (repaint && (!(flags & SWP_NOREDRAW) || (hwnd->top && sized))) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  if (!hwnd->parent) {
    if (moved || sized) ui.backend->PlaceWindow(hwnd, hwnd->rect);
    if (restacked) qb::RestackBackend();
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) ui.backend->ShowWindow(hwnd, visible);
  }

  if (!hwnd->parent && visible && !(flags & SWP_NOACTIVATE) && !(hwnd->exStyle & WS_EX_NOACTIVATE)) {
    SetActiveWindow(hwnd);
  }
  if (flags & SWP_HIDEWINDOW) qb::ActivateAfterHiding(hwnd);
  if (!qb::IsLive(hwnd)) return TRUE;

  const bool clientMoved = hwnd->rect.left + hwnd->client.left != oldRect.left + oldClient.left ||
                           hwnd->rect.top + hwnd->client.top != oldRect.top + oldClient.top;
  const bool clientSized = hwnd->client.right - hwnd->client.left != oldClient.right - oldClient.left ||
                           hwnd->client.bottom - hwnd->client.top != oldClient.bottom - oldClient.top;
  pos.flags = flags;
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  if (!clientMoved) pos.flags |= SWP_NOCLIENTMOVE;
  if (!clientSized) pos.flags |= SWP_NOCLIENTSIZE;
  pos.x = hwnd->rect.left;
  pos.y = hwnd->rect.top;
  pos.cx = hwnd->Width();
  pos.cy = hwnd->Height();
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&pos));
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL ShowWindow(HWND hwnd, int command) {
  if (!qb::IsLive(hwnd)) return FALSE;
  const BOOL wasVisible = (hwnd->style & WS_VISIBLE) ? TRUE : FALSE;
  const bool show = command != SW_HIDE;
  const bool activate = command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_RESTORE;
  if (show == bool(wasVisible)) {
    if (show && activate && !hwnd->parent && !(hwnd->exStyle & WS_EX_NOACTIVATE) && GetActiveWindow() != hwnd) {
      SetActiveWindow(hwnd);
    }
    return wasVisible;
  }
  SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  if (!qb::IsLive(hwnd)) return wasVisible;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (!activate || hwnd->parent) flags |= SWP_NOACTIVATE;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  return wasVisible;
}
