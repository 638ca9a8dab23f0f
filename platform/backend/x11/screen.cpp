// The screen's size, work area and pixels.
#include <algorithm>

#include "platform/backend/x11/X11State.h"

#include <X11/Xatom.h>

namespace qb {

RECT ReadWorkArea(X11Backend::State& state) {
  const RECT whole{0, 0, state.screenSize.cx, state.screenSize.cy};
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
    // Format 32 properties come as longs, whatever their size.
    const long* values = reinterpret_cast<const long*>(data);
    const RECT given{LONG(values[0]), LONG(values[1]), LONG(values[0] + values[2]), LONG(values[1] + values[3])};
    const RECT clipped{std::max(given.left, whole.left), std::max(given.top, whole.top),
                       std::min(given.right, whole.right), std::min(given.bottom, whole.bottom)};
    if (clipped.left < clipped.right && clipped.top < clipped.bottom) area = clipped;
  }
  if (data) XFree(data);
  return area;
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
