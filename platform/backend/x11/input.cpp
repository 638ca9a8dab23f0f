// The input thread: waits on the connection, turns X events into raw input
// for the core.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/backend/RawInput.h"
#include "platform/backend/x11/X11State.h"
#include "platform/text/Utf.h"
#include "platform/window/InputApi.h"

#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

namespace qb {
namespace {

HWND OurWindow(X11Backend::State& state, Window id) {
  std::lock_guard lock(state.byIdMutex);
  auto it = state.byId.find(id);
  return it == state.byId.end() ? nullptr : it->second;
}

// From X's root coordinates to ours.
void MovePointer(X11Backend::State& state, int x, int y) {
  const POINT point{x - state.origin.x, y - state.origin.y};
  if (point.x == state.lastPointer.x && point.y == state.lastPointer.y) return;
  state.lastPointer = point;
  DeliverPointerMove(point);
}

void HandleButton(X11Backend::State& state, const XButtonEvent& event, bool down) {
  MouseButton button;
  switch (event.button) {
    case Button1: button = MouseButton::kLeft; break;
    case Button2: button = MouseButton::kMiddle; break;
    case Button3: button = MouseButton::kRight; break;
    default: return;  // wheel steps
  }
  MovePointer(state, event.x_root, event.y_root);
  if (down) {
    // No window manager gives override-redirect windows the focus: a click
    // takes it, so that the keys that follow come to us.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(state.display, &focus, &revert);
    if (!OurWindow(state, focus)) XSetInputFocus(state.display, event.window, RevertToParent, event.time);
  }
  DeliverButton(button, down);
}

void HandleFocusOut(X11Backend::State& state, const XFocusChangeEvent& event) {
  if (event.mode != NotifyNormal && event.mode != NotifyWhileGrabbed) return;
  if (event.detail == NotifyPointer || event.detail == NotifyInferior) return;
  Window focus = None;
  int revert = 0;
  XGetInputFocus(state.display, &focus, &revert);
  // Moving between our own windows is the core's business. Focus that
  // falls back to the root (one of ours went away) is no one else's
  // either; only another program's window taking it deactivates ours.
  if (focus == None || focus == PointerRoot || focus == state.root) return;
  if (OurWindow(state, focus)) return;
  state.focusGivenTo = nullptr;
  DeliverFocus(nullptr);
}

void HandleKey(X11Backend::State& state, XKeyEvent& event, bool down) {
  int& pressedAs = state.pressedKeys[event.keycode & 0xFF];
  if (!down) {
    const int key = pressedAs ? pressedAs : VirtualKeyOf(XLookupKeysym(&event, 0));
    pressedAs = 0;
    if (key) DeliverKey(key, false);
    return;
  }
  const char32_t character = TypedCharacter(state, event);
  int key = VirtualKeyOf(XLookupKeysym(&event, 0));
  if (!key && character) key = VK_PACKET;
  if (!key) return;
  pressedAs = key;
  DeliverKey(key, true, character);
}

// The compositing manager's selection changed hands: it came, went, or was
// replaced by another. Whether that changes what the core is told is the
// core's to ask (ComposesAlpha) when the notice arrives.
void HandleSelectionNotify(X11Backend::State& state, const XFixesSelectionNotifyEvent& event) {
  if (event.selection != state.compositorSelection) return;
  const bool running = event.subtype == XFixesSetSelectionOwnerNotify && event.owner != None;
  if (state.compositorRunning.exchange(running) != running) DeliverCompositionChange();
}

void Translate(X11Backend::State& state, XEvent& event) {
  if (state.xfixesEventBase >= 0 && event.type == state.xfixesEventBase + XFixesSelectionNotify) {
    HandleSelectionNotify(state, reinterpret_cast<const XFixesSelectionNotifyEvent&>(event));
    return;
  }
  switch (event.type) {
    case MotionNotify: MovePointer(state, event.xmotion.x_root, event.xmotion.y_root); break;
    case EnterNotify:
    case LeaveNotify: MovePointer(state, event.xcrossing.x_root, event.xcrossing.y_root); break;
    case ButtonPress: HandleButton(state, event.xbutton, true); break;
    case ButtonRelease: HandleButton(state, event.xbutton, false); break;
    case KeyPress: HandleKey(state, event.xkey, true); break;
    case KeyRelease: HandleKey(state, event.xkey, false); break;
    // Another layout, or keys given other symbols: Xlib's copy of the
    // keyboard mapping has to follow.
    case MappingNotify: XRefreshKeyboardMapping(&event.xmapping); break;
    case FocusOut: HandleFocusOut(state, event.xfocus); break;
    case PropertyNotify:
      if (event.xproperty.window == state.root && event.xproperty.atom == state.workAreaAtom) state.workArea.reset();
      break;
    default: break;
  }
}

void ReadLoop(X11Backend::State& state) {
  pollfd fds[2] = {{ConnectionNumber(state.display), POLLIN, 0}, {state.wakePipe[0], POLLIN, 0}};
  for (;;) {
    {
      DisplayLock lock(state);
      HandleQueuedEvents(state);
    }
    if (poll(fds, 2, -1) < 0 && errno != EINTR) return;
    if (fds[1].revents) return;
    if (fds[0].revents & (POLLERR | POLLHUP)) return;
  }
}

}  // namespace

int VirtualKeyOf(KeySym keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return int('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z) return int('A' + (keysym - XK_A));
  if (keysym >= XK_0 && keysym <= XK_9) return int('0' + (keysym - XK_0));
  switch (keysym) {
    case XK_Return:
    case XK_KP_Enter: return VK_RETURN;
    case XK_Escape: return VK_ESCAPE;
    case XK_space: return VK_SPACE;
    case XK_Tab:
    case XK_ISO_Left_Tab: return VK_TAB;
    case XK_BackSpace: return VK_BACK;
    case XK_Left: return VK_LEFT;
    case XK_Up: return VK_UP;
    case XK_Right: return VK_RIGHT;
    case XK_Down: return VK_DOWN;
    case XK_F4: return VK_F4;
    case XK_F10: return VK_F10;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return VK_MENU;
    case XK_Shift_L:
    case XK_Shift_R: return VK_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return VK_CONTROL;
    default: return 0;
  }
}

namespace {

// Without XSetLocaleModifiers this is Xlib's built-in input method: it
// gives the layout's characters and talks to no input-method server, so
// nothing outside can hold up our input. Dead keys and compose sequences
// are left out. It is opened at the first key: opening it reads the
// locale's compose table, a good part of a start-up on a display.
void OpenInputMethod(X11Backend::State& state) {
  if (state.inputMethodTried) return;
  state.inputMethodTried = true;
  state.inputMethod = XOpenIM(state.display, nullptr, nullptr, nullptr);
  if (state.inputMethod) {
    state.inputContext = XCreateIC(state.inputMethod, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, nullptr);
  }
}

}  // namespace

char32_t TypedCharacter(X11Backend::State& state, XKeyEvent& event) {
  // The forward delete types nothing on the platform we stand in for,
  // while X gives it the character DEL.
  const KeySym plain = XLookupKeysym(&event, 0);
  if (plain == XK_Delete || plain == XK_KP_Delete) return 0;
  char text[64];
  KeySym keysym = NoSymbol;
  std::u16string typed;
  OpenInputMethod(state);
  if (state.inputContext) {
    Status status = 0;
    const int length = Xutf8LookupString(state.inputContext, &event, text, sizeof text, &keysym, &status);
    if ((status == XLookupChars || status == XLookupBoth) && length > 0) typed = ToUtf16({text, std::size_t(length)});
  } else {
    // Without an input method only Latin-1, whose bytes are the code points.
    const int length = XLookupString(&event, text, sizeof text, &keysym, nullptr);
    if (length == 1) typed = std::u16string(1, char16_t(static_cast<unsigned char>(text[0])));
  }
  if (typed.empty()) return 0;
  const char16_t first = typed[0];
  if (first >= 0xD800 && first <= 0xDBFF && typed.size() > 1 && typed[1] >= 0xDC00 && typed[1] <= 0xDFFF) {
    return 0x10000 + ((char32_t(first) - 0xD800) << 10) + (typed[1] - 0xDC00);
  }
  // A lone surrogate is the escape of a byte that was no UTF-8: nothing typed.
  return first >= 0xD800 && first <= 0xDFFF ? 0 : first;
}

void HandleQueuedEvents(X11Backend::State& state) {
  while (XEventsQueued(state.display, QueuedAfterReading) > 0) {
    XEvent event;
    XNextEvent(state.display, &event);
    Translate(state, event);
  }
}

void StartInputThread(X11Backend::State& state) {
  if (pipe2(state.wakePipe.data(), O_CLOEXEC) != 0) state.wakePipe = {-1, -1};
  state.reader = std::thread([&state] { ReadLoop(state); });
}

void StopInputThread(X11Backend::State& state) {
  if (state.wakePipe[1] >= 0) {
    const char stop = 1;
    while (write(state.wakePipe[1], &stop, 1) < 0 && errno == EINTR) {
    }
  }
  if (state.reader.joinable()) state.reader.join();
  for (int& fd : state.wakePipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  if (state.inputContext) XDestroyIC(state.inputContext);
  if (state.inputMethod) XCloseIM(state.inputMethod);
  state.inputContext = nullptr;
  state.inputMethod = nullptr;
}

}  // namespace qb
