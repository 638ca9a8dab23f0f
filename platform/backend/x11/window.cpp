// Our top-level windows as override-redirect X windows.
#include <algorithm>

#include "platform/backend/x11/X11State.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"
#include "platform/window/UiThread.h"
#include "platform/window/WindowStyles.h"

namespace qb {
namespace {

constexpr long kEventMask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                            LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask;

XWindowRecord MakeXWindow(X11Backend::State& state, HWND hwnd, bool argb) {
  XWindowRecord record;
  record.argb = argb;
  record.rect = hwnd->rect;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.event_mask = kEventMask;
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;
  attributes.cursor = state.cursor;
  unsigned long mask = CWOverrideRedirect | CWEventMask | CWBorderPixel | CWBackPixmap | CWCursor;
  Visual* visual = CopyFromParent;
  int depth = CopyFromParent;
  if (argb) {
    visual = state.argbVisual.visual;
    depth = 32;
    attributes.colormap = state.argbColormap;
    mask |= CWColormap;
  }
  const RECT& r = record.rect;
  record.id = XCreateWindow(state.display, state.root, r.left + state.origin.x, r.top + state.origin.y,
                            unsigned(std::max(LONG{1}, r.right - r.left)),
                            unsigned(std::max(LONG{1}, r.bottom - r.top)), 0, depth, InputOutput, visual, mask,
                            &attributes);
  XClassHint hint{const_cast<char*>("quillbrook"), const_cast<char*>("Quillbrook")};
  XSetClassHint(state.display, record.id, &hint);
  if (!hwnd->text.empty()) NameXWindow(state, record.id, hwnd->text);
  std::lock_guard lock(state.byIdMutex);
  state.byId[record.id] = hwnd;
  return record;
}

}  // namespace

XWindowRecord& EnsureXWindow(X11Backend::State& state, HWND hwnd) {
  const bool argb = (hwnd->exStyle & WS_EX_LAYERED) && FeaturesInUse(state).argbVisual;
  auto it = state.windows.find(hwnd);
  if (it != state.windows.end() && it->second.argb == argb) return it->second;
  // The visual of an X window is fixed when it is made: a window that
  // became layered (or stopped being) gets a new X window in its place.
  bool shown = false;
  if (it != state.windows.end()) {
    shown = it->second.shown;
    DestroyXWindow(state, it->second);
    state.windows.erase(it);
  }
  XWindowRecord& record = state.windows[hwnd] = MakeXWindow(state, hwnd, argb);
  ApplyStacking(state);
  record.shown = shown;
  UpdateMapping(state, record);
  return record;
}

void NameXWindow(X11Backend::State& state, Window id, const std::u16string& title) {
  std::string utf8 = ToUtf8(title);
  // _NET_WM_NAME is UTF-8 as it stands; WM_NAME gets Latin-1 where that
  // holds the text, else compound text, as older tools read it.
  const Atom utf8String = XInternAtom(state.display, "UTF8_STRING", False);
  XChangeProperty(state.display, id, XInternAtom(state.display, "_NET_WM_NAME", False), utf8String, 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.data()), int(utf8.size()));
  char* list[] = {utf8.data()};
  XTextProperty property{};
  if (Xutf8TextListToTextProperty(state.display, list, 1, XStdICCTextStyle, &property) >= Success) {
    XSetWMName(state.display, id, &property);
    XFree(property.value);
  }
}

void DestroyXWindow(X11Backend::State& state, XWindowRecord& record) {
  {
    std::lock_guard lock(state.byIdMutex);
    state.byId.erase(record.id);
  }
  ReleaseSegment(state, record.segment);
  if (record.gc) XFreeGC(state.display, record.gc);
  if (record.pixmap) XFreePixmap(state.display, record.pixmap);
  XDestroyWindow(state.display, record.id);
  record = XWindowRecord{};
}

void UpdateMapping(X11Backend::State& state, XWindowRecord& record) {
  const RECT& r = record.rect;
  const bool wanted = record.shown && r.right > r.left && r.bottom > r.top;
  if (wanted == record.mapped) return;
  if (wanted) {
    XMapWindow(state.display, record.id);
  } else {
    XUnmapWindow(state.display, record.id);
  }
  record.mapped = wanted;
}

void ApplyStacking(X11Backend::State& state) {
  const std::vector<HWND>& order = UiThread::Get().topLevels;
  std::vector<Window> ids;
  // A window the core does not list yet is one being made; X puts new
  // windows on top, and so does the core.
  for (auto& [hwnd, record] : state.windows) {
    if (std::find(order.begin(), order.end(), hwnd) == order.end()) ids.push_back(record.id);
  }
  for (HWND hwnd : order) {
    auto it = state.windows.find(hwnd);
    if (it != state.windows.end()) ids.push_back(it->second.id);
  }
  if (ids.size() > 1) XRestackWindows(state.display, ids.data(), int(ids.size()));
}

// Keys reach an X window only while it holds the input focus, and no window
// manager hands it to override-redirect windows: whenever the core has
// activated another of our windows, the focus moves there. Which of ours
// holds it matters little, since the core routes keys to its own focus.
void FollowActiveWindow(X11Backend::State& state) {
  HWND active = GetActiveWindow();
  while (active && active->IsChild()) active = active->parent;
  if (!active || active == state.focusGivenTo) return;
  auto it = state.windows.find(active);
  if (it == state.windows.end() || !it->second.mapped) return;
  XSetInputFocus(state.display, it->second.id, RevertToParent, CurrentTime);
  state.focusGivenTo = active;
}

}  // namespace qb
