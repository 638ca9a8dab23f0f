#include "tests/platform/x11/X11Session.h"

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/window/UiThread.h"
#include "tests/support/TestWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

namespace qb::test {

struct X11Session::Connection {
  ::Display* display = nullptr;
  Window compositorOwner = None;
};

namespace {

// Held until the process ends: one test process at a time uses the display.
void TakeTurnOnDisplay(const char* display) {
  std::string name = "/tmp/quillbrook-x11-tests-";
  for (const char* c = display; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  const int fd = open((name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd >= 0) flock(fd, LOCK_EX);
}

::Display* OpenWithRetry() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (::Display* display = XOpenDisplay(nullptr)) return display;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return nullptr;
}

}  // namespace

X11Session* X11Session::Get() {
  static X11Session* session = []() -> X11Session* {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return nullptr;
    TakeTurnOnDisplay(display);
    // The backend's connection is used from two threads, which Xlib must
    // be told before any connection of the process opens.
    XInitThreads();
    auto* connection = new Connection{OpenWithRetry()};
    if (!connection->display) return nullptr;
    // Posing as a compositing manager lets the backend's compositor path be
    // tested too; LimitFeatures takes the pose away again.
    ::Display* input = connection->display;
    connection->compositorOwner = XCreateSimpleWindow(input, DefaultRootWindow(input), 0, 0, 1, 1, 0, 0, 0);
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(input));
    XSetSelectionOwner(input, XInternAtom(input, selection.c_str(), False), connection->compositorOwner, CurrentTime);
    XSync(input, False);
    // The test suites run with the headless backend; these tests want the
    // real one, chosen before the loop starts.
    setenv("QUILLBROOK_BACKEND", "x11", 1);
    X11Backend* backend = CurrentX11Backend();
    if (!backend) return nullptr;
    return new X11Session(*backend, connection);
  }();
  return session;
}

X11Session::X11Session(X11Backend& backend, Connection* connection) : backend_(&backend), connection_(connection) {}

void X11Session::MovePointer(int x, int y) {
  XTestFakeMotionEvent(connection_->display, -1, x, y, CurrentTime);
  XSync(connection_->display, False);
}

void X11Session::Button(int button, bool down) {
  XTestFakeButtonEvent(connection_->display, unsigned(button), down, CurrentTime);
  XSync(connection_->display, False);
}

void X11Session::Key(unsigned long keysym) {
  const KeyCode code = XKeysymToKeycode(connection_->display, keysym);
  XTestFakeKeyEvent(connection_->display, code, True, CurrentTime);
  XTestFakeKeyEvent(connection_->display, code, False, CurrentTime);
  XSync(connection_->display, False);
}

void X11Session::TypeKeyCode(unsigned code, bool shifted) {
  ::Display* display = connection_->display;
  const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
  if (shifted) XTestFakeKeyEvent(display, shift, True, CurrentTime);
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  if (shifted) XTestFakeKeyEvent(display, shift, False, CurrentTime);
  XSync(display, False);
}

unsigned X11Session::KeyCodeOf(unsigned long keysym) { return XKeysymToKeycode(connection_->display, keysym); }

unsigned X11Session::MapSpareKey(std::vector<unsigned long> keysyms) {
  ::Display* display = connection_->display;
  int first = 0, last = 0, perCode = 0;
  XDisplayKeycodes(display, &first, &last);
  KeySym* mapping = XGetKeyboardMapping(display, KeyCode(first), last - first + 1, &perCode);
  unsigned spare = 0;
  for (int code = last; code >= first && !spare; --code) {
    bool empty = true;
    for (int i = 0; i < perCode; ++i) empty = empty && mapping[(code - first) * perCode + i] == NoSymbol;
    if (empty) spare = unsigned(code);
  }
  XFree(mapping);
  if (!spare) return 0;
  std::vector<KeySym> symbols(keysyms.begin(), keysyms.end());
  XChangeKeyboardMapping(display, int(spare), int(symbols.size()), symbols.data(), 1);
  XSync(display, False);
  return spare;
}

void X11Session::UnmapKey(unsigned code) {
  KeySym none = NoSymbol;
  XChangeKeyboardMapping(connection_->display, int(code), 1, &none, 1);
  XSync(connection_->display, False);
}

std::vector<unsigned long> X11Session::ShownCursor() {
  ::Display* display = connection_->display;
  int eventBase = 0, errorBase = 0, major = 2, minor = 0;
  if (!XFixesQueryExtension(display, &eventBase, &errorBase) || !XFixesQueryVersion(display, &major, &minor)) return {};
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) return {};
  std::vector<unsigned long> shown{image->width, image->height, image->xhot, image->yhot};
  shown.insert(shown.end(), image->pixels, image->pixels + std::size_t(image->width) * image->height);
  XFree(image);
  return shown;
}

std::vector<unsigned long> X11Session::FontCursor(unsigned glyph, POINT where) {
  ::Display* display = connection_->display;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  const Window window = XCreateWindow(display, DefaultRootWindow(display), where.x - 10, where.y - 10, 20, 20, 0,
                                      CopyFromParent, InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
  const Cursor cursor = XCreateFontCursor(display, glyph);
  XDefineCursor(display, window, cursor);
  XMapRaised(display, window);
  XSync(display, False);
  MovePointer(where.x, where.y);
  std::vector<unsigned long> shown = ShownCursor();
  XDestroyWindow(display, window);
  XFreeCursor(display, cursor);
  XSync(display, False);
  return shown;
}

void X11Session::SetWorkArea(std::optional<RECT> area) {
  ::Display* display = connection_->display;
  const Atom atom = XInternAtom(display, "_NET_WORKAREA", False);
  const Window root = DefaultRootWindow(display);
  if (area) {
    long values[4] = {area->left, area->top, area->right - area->left, area->bottom - area->top};
    XChangeProperty(display, root, atom, XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<unsigned char*>(values),
                    4);
  } else {
    XDeleteProperty(display, root, atom);
  }
  XSync(display, False);
}

void X11Session::PoseAsCompositor(bool pose) {
  ::Display* display = connection_->display;
  const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
  XSetSelectionOwner(display, XInternAtom(display, selection.c_str(), False), pose ? connection_->compositorOwner : None,
                     CurrentTime);
  XSync(display, False);
}

std::vector<std::pair<std::string, std::string>> X11Session::WindowNames() {
  ::Display* display = connection_->display;
  Window root = None, parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  std::vector<std::pair<std::string, std::string>> names;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return names;
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  for (unsigned i = 0; i < count; ++i) {
    std::string net, plain;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, children[i], netName, 0, 1024, False, utf8, &type, &format, &items, &remaining,
                           &data) == Success &&
        data) {
      net.assign(reinterpret_cast<const char*>(data), items);
      XFree(data);
    }
    XTextProperty property{};
    if (XGetWMName(display, children[i], &property) && property.value) {
      char** list = nullptr;
      int listCount = 0;
      if (Xutf8TextPropertyToTextList(display, &property, &list, &listCount) >= Success && listCount > 0) {
        plain = list[0];
        XFreeStringList(list);
      }
      XFree(property.value);
    }
    if (!net.empty() || !plain.empty()) names.emplace_back(net, plain);
  }
  XFree(children);
  return names;
}

unsigned long X11Session::ShowForeignWindow(RECT rect, std::uint32_t rgb) {
  ::Display* display = connection_->display;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = rgb;
  const Window window =
      XCreateWindow(display, DefaultRootWindow(display), rect.left, rect.top, unsigned(rect.right - rect.left),
                    unsigned(rect.bottom - rect.top), 0, CopyFromParent, InputOutput, CopyFromParent,
                    CWOverrideRedirect | CWBackPixel, &attributes);
  XSelectInput(display, window, ButtonPressMask);
  XMapRaised(display, window);
  XSync(display, False);
  return window;
}

int X11Session::ForeignClicks(unsigned long window) {
  XSync(connection_->display, False);
  int clicks = 0;
  XEvent event;
  while (XCheckTypedWindowEvent(connection_->display, window, ButtonPress, &event)) ++clicks;
  return clicks;
}

void X11Session::DestroyForeignWindow(unsigned long window) {
  XDestroyWindow(connection_->display, window);
  XSync(connection_->display, False);
}

void X11Session::Settle() {
  XSync(connection_->display, False);
  backend_->Sync();
  PumpPending();
  backend_->Sync();
}

std::uint32_t X11Session::Pixel(int x, int y) {
  Settle();
  return backend_->CaptureScreen().At(x, y) & 0xFFFFFFu;
}

}  // namespace qb::test
