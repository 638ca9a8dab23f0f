#include "platform/window/WindowApi.h"

#include <algorithm>

#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/UiThread.h"

namespace qb {
namespace {

constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 240;

void InsertIntoZOrder(HWND hwnd) {
  UiThread& ui = UiThread::Get();
  if (hwnd->parent) {
    hwnd->parent->children.insert(hwnd->parent->children.begin(), hwnd);
    return;
  }
  // New top-level windows go to the top of their band.
  auto& list = ui.topLevels;
  auto at = list.begin();
  if (!(hwnd->exStyle & WS_EX_TOPMOST)) {
    at = std::find_if(list.begin(), list.end(), [](HWND w) { return !(w->exStyle & WS_EX_TOPMOST); });
  }
  list.insert(at, hwnd);
}

void RemoveFromZOrder(HWND hwnd) {
  std::vector<HWND>& list = hwnd->parent ? hwnd->parent->children : UiThread::Get().topLevels;
  std::erase(list, hwnd);
}

void SendDestroy(HWND hwnd) {
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  const std::vector<HWND> children = hwnd->children;
  for (HWND child : children) {
    if (IsLive(child)) SendDestroy(child);
  }
}

void SendNcDestroyAndFree(HWND hwnd) {
  const std::vector<HWND> children = hwnd->children;
  for (HWND child : children) {
    if (IsLive(child)) SendNcDestroyAndFree(child);
  }
  SendMessage(hwnd, WM_NCDESTROY, 0, 0);
  UiThread& ui = UiThread::Get();
  ForgetTimers(hwnd);
  ForgetQueuedMessages(hwnd);
  ForgetInputReferences(hwnd);
  RemoveFromZOrder(hwnd);
  ui.windows.erase(hwnd);
  if (!hwnd->parent) ui.backend->ForgetWindow(hwnd);
  delete hwnd;
}

}  // namespace

bool IsLive(HWND hwnd) { return hwnd && UiThread::Get().windows.contains(hwnd); }

POINT ScreenOrigin(HWND hwnd) {
  POINT origin{hwnd->rect.left, hwnd->rect.top};
  for (HWND parent = hwnd->parent; parent; parent = parent->parent) {
    origin.x += parent->rect.left + parent->client.left;
    origin.y += parent->rect.top + parent->client.top;
  }
  return origin;
}

HWND TopLevelOf(HWND hwnd) {
  while (hwnd && hwnd->parent) hwnd = hwnd->parent;
  return hwnd;
}

bool ShapeContains(HWND hwnd, LONG x, LONG y) { return !hwnd->shape || hwnd->shape->Contains(x, y); }

}  // namespace qb

using qb::UiThread;

ATOM RegisterClass(const WNDCLASS* windowClass) {
  if (!windowClass || windowClass->lpszClassName.empty() || !windowClass->lpfnWndProc) return 0;
  UiThread& ui = UiThread::Get();
  const std::u16string key = qb::LowerCase(windowClass->lpszClassName);
  if (ui.classes.contains(key)) return 0;
  auto entry = std::make_shared<qb::WindowClass>();
  entry->name = windowClass->lpszClassName;
  entry->style = windowClass->style;
  entry->proc = windowClass->lpfnWndProc;
  entry->cursor = windowClass->hCursor;
  ui.classes.emplace(key, std::move(entry));
  // Atoms only need to be non-zero and distinct per class.
  return ATOM(0xC000 + ui.classes.size());
}

BOOL UnregisterClass(std::u16string_view className) {
  return UiThread::Get().classes.erase(qb::LowerCase(className)) > 0 ? TRUE : FALSE;
}

HWND CreateWindowEx(DWORD exStyle, std::u16string_view className, std::u16string_view windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, LONG_PTR id, void* createParams) {
  qb::InitUserInterfaceThread();
  UiThread& ui = UiThread::Get();
  auto found = ui.classes.find(qb::LowerCase(className));
  if (found == ui.classes.end()) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && !qb::IsLive(parent)) return nullptr;
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = qb::kDefaultWidth;
    height = qb::kDefaultHeight;
  }

  HWND hwnd = new HWND__;
  hwnd->windowClass = found->second;
  hwnd->proc = found->second->proc;
  hwnd->style = style & ~WS_VISIBLE;
  hwnd->exStyle = exStyle;
  hwnd->id = id;
  if (child) {
    hwnd->parent = parent;
  } else {
    hwnd->owner = qb::TopLevelOf(qb::IsLive(parent) ? parent : nullptr);
    hwnd->top = std::make_unique<qb::TopLevelParts>();
  }
  hwnd->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  ui.windows.insert(hwnd);
  qb::InsertIntoZOrder(hwnd);

  const std::u16string name(windowName);
  const std::u16string classNameText(className);
  CREATESTRUCT create;
  create.lpCreateParams = createParams;
  create.hwndParent = parent;
  create.id = id;
  create.x = x;
  create.y = y;
  create.cx = width;
  create.cy = height;
  create.style = style;
  create.dwExStyle = exStyle;
  create.lpszName = name.c_str();
  create.lpszClass = classNameText.c_str();

  if (!child) {
    MINMAXINFO limits{};
    limits.ptMaxTrackSize = POINT{32767, 32767};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&limits));
  }
  if (!qb::IsLive(hwnd) || !SendMessage(hwnd, WM_NCCREATE, 0, LPARAM(&create))) {
    if (qb::IsLive(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  RECT clientInParent = hwnd->rect;
  SendMessage(hwnd, WM_NCCALCSIZE, FALSE, LPARAM(&clientInParent));
  if (!qb::IsLive(hwnd)) return nullptr;
  hwnd->client = RECT{clientInParent.left - hwnd->rect.left, clientInParent.top - hwnd->rect.top,
                      clientInParent.right - hwnd->rect.left, clientInParent.bottom - hwnd->rect.top};
  if (!hwnd->parent) {
    hwnd->top->storeResized = true;
    ui.backend->PlaceWindow(hwnd, hwnd->rect);
  }
  if (SendMessage(hwnd, WM_CREATE, 0, LPARAM(&create)) == -1) {
    if (qb::IsLive(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  if (!qb::IsLive(hwnd)) return nullptr;
  SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(hwnd->client.right - hwnd->client.left),
                                                          WORD(hwnd->client.bottom - hwnd->client.top)));
  SendMessage(hwnd, WM_MOVE, 0,
              MAKELPARAM_POINT(hwnd->rect.left + hwnd->client.left, hwnd->rect.top + hwnd->client.top));
  if (qb::IsLive(hwnd) && (style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
  return qb::IsLive(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  if (!qb::IsLive(hwnd) || hwnd->destroying) return FALSE;
  hwnd->destroying = true;
  UiThread& ui = UiThread::Get();
  if (!hwnd->parent) {
    std::vector<HWND> owned;
    for (HWND w : ui.topLevels) {
      if (w->owner == hwnd) owned.push_back(w);
    }
    for (HWND w : owned) DestroyWindow(w);
  }
  if (hwnd->style & WS_VISIBLE) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!qb::IsLive(hwnd)) return TRUE;
  qb::ActivateAfterHiding(hwnd);
  qb::SendDestroy(hwnd);
  if (qb::IsLive(hwnd)) qb::SendNcDestroyAndFree(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return qb::IsLive(hwnd) ? TRUE : FALSE; }

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  if (!qb::IsLive(hwnd)) return 0;
  switch (index) {
    case GWLP_WNDPROC: return LONG_PTR(hwnd->proc);
    case GWLP_HWNDPARENT: return LONG_PTR(hwnd->parent ? hwnd->parent : hwnd->owner);
    case GWLP_ID: return hwnd->id;
    case GWL_STYLE: return LONG_PTR(hwnd->style);
    case GWL_EXSTYLE: return LONG_PTR(hwnd->exStyle);
    case GWLP_USERDATA: return hwnd->userData;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  if (!qb::IsLive(hwnd)) return 0;
  const LONG_PTR old = GetWindowLongPtr(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC: hwnd->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HWNDPARENT:
      if (!hwnd->parent) hwnd->owner = qb::TopLevelOf(qb::IsLive(HWND(value)) ? HWND(value) : nullptr);
      break;
    case GWLP_ID: hwnd->id = value; break;
    case GWL_STYLE: {
      // Visibility changes only through ShowWindow and SetWindowPos.
      const DWORD visible = hwnd->style & WS_VISIBLE;
      hwnd->style = (DWORD(value) & ~WS_VISIBLE) | visible;
      break;
    }
    case GWL_EXSTYLE: {
      const bool wasLayered = (hwnd->exStyle & WS_EX_LAYERED) != 0;
      hwnd->exStyle = DWORD(value);
      const bool layered = (hwnd->exStyle & WS_EX_LAYERED) != 0;
      if (hwnd->top && wasLayered != layered) {
        hwnd->top->layered = qb::LayeredState{};
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        UiThread::Get().backend->PresentWindow(hwnd);
      }
      break;
    }
    case GWLP_USERDATA: hwnd->userData = value; break;
    default: return 0;
  }
  return old;
}

LONG GetWindowLong(HWND hwnd, int index) { return LONG(GetWindowLongPtr(hwnd, index)); }

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  // Styles are 32-bit masks: keep their bits rather than sign-extend.
  const LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? LONG_PTR(DWORD(value)) : LONG_PTR(value);
  return LONG(SetWindowLongPtr(hwnd, index, wide));
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, message, wParam, lParam);
}

BOOL SetWindowText(HWND hwnd, std::u16string_view text) {
  const std::u16string terminated(text);
  return SendMessage(hwnd, WM_SETTEXT, 0, LPARAM(terminated.c_str())) ? TRUE : FALSE;
}

std::u16string GetWindowText(HWND hwnd) {
  const LRESULT length = SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::u16string text(std::size_t(length) + 1, u'\0');
  const LRESULT copied = SendMessage(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()));
  text.resize(std::size_t(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

HWND GetParent(HWND hwnd) {
  if (!qb::IsLive(hwnd)) return nullptr;
  return hwnd->parent ? hwnd->parent : hwnd->owner;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  if (!qb::IsLive(hwnd)) return nullptr;
  if (flags == GA_PARENT) return hwnd->parent;
  if (flags == GA_ROOT) return qb::TopLevelOf(hwnd);
  return nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  if (!qb::IsLive(hwnd)) return nullptr;
  if (relation == GW_OWNER) return hwnd->owner;
  if (relation == GW_CHILD) return hwnd->children.empty() ? nullptr : hwnd->children.front();
  const std::vector<HWND>& list = hwnd->parent ? hwnd->parent->children : UiThread::Get().topLevels;
  auto at = std::find(list.begin(), list.end(), hwnd);
  if (relation == GW_HWNDNEXT) return (at == list.end() || at + 1 == list.end()) ? nullptr : *(at + 1);
  if (relation == GW_HWNDPREV) return (at == list.begin() || at == list.end()) ? nullptr : *(at - 1);
  return nullptr;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  if (!qb::IsLive(hwnd)) return FALSE;
  const BOOL wasDisabled = (hwnd->style & WS_DISABLED) ? TRUE : FALSE;
  if (bool(enable) == !wasDisabled) return wasDisabled;
  if (enable) {
    hwnd->style &= ~WS_DISABLED;
  } else {
    hwnd->style |= WS_DISABLED;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (GetFocus() == hwnd) SetFocus(nullptr);
  }
  SendMessage(hwnd, WM_ENABLE, WPARAM(enable ? TRUE : FALSE), 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) { return qb::IsLive(hwnd) && !(hwnd->style & WS_DISABLED) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) {
  if (!qb::IsLive(hwnd)) return FALSE;
  for (HWND w = hwnd; w; w = w->parent) {
    if (!(w->style & WS_VISIBLE)) return FALSE;
  }
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  if (!qb::IsLive(hwnd) || !rect) return FALSE;
  const POINT origin = qb::ScreenOrigin(hwnd);
  *rect = RECT{origin.x, origin.y, origin.x + hwnd->Width(), origin.y + hwnd->Height()};
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  if (!qb::IsLive(hwnd) || !rect) return FALSE;
  *rect = RECT{0, 0, std::max<LONG>(hwnd->client.right - hwnd->client.left, 0),
               std::max<LONG>(hwnd->client.bottom - hwnd->client.top, 0)};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  if (!qb::IsLive(hwnd) || !point) return FALSE;
  const POINT origin = qb::ScreenOrigin(hwnd);
  point->x += origin.x + hwnd->client.left;
  point->y += origin.y + hwnd->client.top;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  if (!qb::IsLive(hwnd) || !point) return FALSE;
  const POINT origin = qb::ScreenOrigin(hwnd);
  point->x -= origin.x + hwnd->client.left;
  point->y -= origin.y + hwnd->client.top;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  POINT shift{0, 0};
  if (from) ClientToScreen(from, &shift);
  POINT back{0, 0};
  if (to) ClientToScreen(to, &back);
  const LONG dx = shift.x - back.x;
  const LONG dy = shift.y - back.y;
  for (UINT i = 0; i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return int(MAKELPARAM(WORD(SHORT(dx)), WORD(SHORT(dy))));
}
