#include "tests/app/e2e/PrivateDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace qb::test {

struct PrivateDisplay::Connection {
  ::Display* display = nullptr;
  Window compositorOwner = None;
};

namespace {

// Xvfb writes the display number it found free to the descriptor given with
// -displayfd once it accepts connections.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd wait{fd, POLLIN, 0};
    if (poll(&wait, 1, 200) <= 0) continue;
    char c = 0;
    const ssize_t got = read(fd, &c, 1);
    if (got <= 0) break;
    if (c == '\n') return number;
    number += c;
  }
  return {};
}

}  // namespace

PrivateDisplay::PrivateDisplay(SIZE size) : connection_(std::make_unique<Connection>()) {
  // The writing end goes to Xvfb, which is told its number.
  int pipe[2] = {-1, -1};
  if (pipe2(pipe, 0) != 0) return;
  fcntl(pipe[0], F_SETFD, FD_CLOEXEC);
  const std::string screen = std::to_string(size.cx) + "x" + std::to_string(size.cy) + "x24";
  const std::string fd = std::to_string(pipe[1]);
  const pid_t pid = fork();
  if (pid == 0) {
    // The server goes with the test, however the test ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Its chatter about fonts and extensions says nothing to the tests.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr);
    _exit(127);
  }
  close(pipe[1]);
  if (pid > 0) {
    server_ = pid;
    const std::string number = ReadDisplayNumber(pipe[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  close(pipe[0]);
  if (name_.empty()) return;
  for (int attempt = 0; attempt < 25 && !connection_->display; ++attempt) {
    connection_->display = XOpenDisplay(name_.c_str());
    if (!connection_->display) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
}

PrivateDisplay::~PrivateDisplay() {
  if (connection_->display) XCloseDisplay(connection_->display);
  if (server_ > 0) {
    kill(server_, SIGTERM);
    int status = 0;
    waitpid(server_, &status, 0);
  }
}

bool PrivateDisplay::Usable() const { return connection_->display != nullptr; }

void PrivateDisplay::SetMonitors(const std::vector<Monitor>& monitors) {
  ::Display* display = connection_->display;
  int index = 0;
  for (const Monitor& m : monitors) {
    XRRMonitorInfo* info = XRRAllocateMonitor(display, 0);
    const std::string name = "test-monitor-" + std::to_string(index++);
    info->name = XInternAtom(display, name.c_str(), False);
    info->primary = m.primary;
    info->automatic = False;
    info->x = m.rect.left;
    info->y = m.rect.top;
    info->width = m.rect.right - m.rect.left;
    info->height = m.rect.bottom - m.rect.top;
    // About 96 pixels per inch.
    info->mwidth = info->width * 254 / 960;
    info->mheight = info->height * 254 / 960;
    XRRSetMonitor(display, DefaultRootWindow(display), info);
    XRRFreeMonitors(info);
  }
  XSync(display, False);
}

void PrivateDisplay::PoseAsCompositor() {
  ::Display* display = connection_->display;
  if (connection_->compositorOwner == None) {
    connection_->compositorOwner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  }
  const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
  XSetSelectionOwner(display, XInternAtom(display, selection.c_str(), False), connection_->compositorOwner,
                     CurrentTime);
  XSync(display, False);
}

void PrivateDisplay::SetBackground(std::uint32_t rgb) {
  ::Display* display = connection_->display;
  XSetWindowBackground(display, DefaultRootWindow(display), rgb);
  XClearWindow(display, DefaultRootWindow(display));
  XSync(display, False);
}

std::vector<RECT> PrivateDisplay::WindowsNamed(const std::string& name) {
  ::Display* display = connection_->display;
  std::vector<RECT> found;
  Window root = None, parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return found;
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  for (unsigned i = 0; i < count; ++i) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, children[i], netName, 0, 1024, False, utf8, &type, &format, &items, &remaining,
                           &data) != Success ||
        !data) {
      continue;
    }
    const std::string windowName(reinterpret_cast<const char*>(data), items);
    XFree(data);
    XWindowAttributes attributes{};
    if (windowName != name || !XGetWindowAttributes(display, children[i], &attributes) ||
        attributes.map_state != IsViewable) {
      continue;
    }
    found.push_back(RECT{attributes.x, attributes.y, attributes.x + attributes.width, attributes.y + attributes.height});
  }
  XFree(children);
  return found;
}

}  // namespace qb::test
