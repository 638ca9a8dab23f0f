// Anchor for start-up on a real display: a program that opens the display,
// maps one window and prints the monotonic clock (nanoseconds) at the moment
// the server reports the window mapped, so that the launcher can tell the
// time from its exec to the mapping on its own clock.
#include <X11/Xlib.h>

#include <cstdio>
#include <ctime>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 30, 0, 0, WhitePixel(display, 0));
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify);
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  XCloseDisplay(display);
  return 0;
}
