// The primary monitor, the work area and the screen's pixels.
#include <algorithm>
#include <optional>

#include "platform/backend/x11/X11State.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

namespace qb {

RECT ReadPrimaryMonitor(X11Backend::State& state) {
  const RECT whole{0, 0, state.screenSize.cx, state.screenSize.cy};
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(state.display, &eventBase, &errorBase) || !XRRQueryVersion(state.display, &major, &minor) ||
      major < 1 || (major == 1 && minor < 5)) {
    return whole;
  }
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(state.display, state.root, True, &count);
  std::optional<RECT> first, marked;
  for (int i = 0; i < count; ++i) {
    const XRRMonitorInfo& m = monitors[i];
    // Within the screen: a monitor may reach past it while the screen grows.
    const RECT r{std::max(m.x, 0), std::max(m.y, 0), std::min(m.x + m.width, int(whole.right)),
                 std::min(m.y + m.height, int(whole.bottom))};
    if (r.left >= r.right || r.top >= r.bottom) continue;
    if (!first) first = r;
    if (m.primary && !marked) marked = r;
  }
  if (monitors) XRRFreeMonitors(monitors);
  return marked ? *marked : first ? *first : whole;
}

RECT ReadWorkArea(X11Backend::State& state) {
  const RECT whole = state.primary;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  // The first desktop's area: left, top, width, height.
  if (XGetWindowProperty(state.display, state.root, state.workAreaAtom, 0, 4, False, XA_CARDINAL, &type, &format,
                         &count, &remaining, &data) != Success) {
    return whole;
  }
  RECT area = whole;
  if (type == XA_CARDINAL && format == 32 && count >= 4) {
    // One area for the whole screen (panels on any monitor shrink it); the
    // part on the primary monitor is what counts.
    // Format 32 properties come as longs, whatever their size.
    const long* values = reinterpret_cast<const long*>(data);
    const RECT given{LONG(values[0]), LONG(values[1]), LONG(values[0] + values[2]), LONG(values[1] + values[3])};
    const RECT clipped{std::max(given.left, whole.left), std::max(given.top, whole.top),
                       std::min(given.right, whole.right), std::min(given.bottom, whole.bottom)};
    if (clipped.left < clipped.right && clipped.top < clipped.bottom) area = clipped;
  }
  if (data) XFree(data);
  return RECT{area.left - state.origin.x, area.top - state.origin.y, area.right - state.origin.x,
              area.bottom - state.origin.y};
}

Surface ReadScreen(X11Backend::State& state) {
  const int width = state.screenSize.cx;
  const int height = state.screenSize.cy;
  Surface screen(width, height);
  XImage* image = XGetImage(state.display, state.root, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
  if (!image) return screen;
  const bool ourLayout = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
  for (int y = 0; y < height; ++y) {
    std::uint32_t* out = screen.Row(y);
    const auto* in = reinterpret_cast<const std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
    for (int x = 0; x < width; ++x) {
      out[x] = (ourLayout ? in[x] : std::uint32_t(XGetPixel(image, x, y))) | 0xFF000000u;
    }
  }
  XDestroyImage(image);
  return screen;
}

}  // namespace qb
