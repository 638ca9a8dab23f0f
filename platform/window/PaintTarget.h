// What the drawing layer needs of a window: where its pixels go, which of
// them it may touch, its update region, and the top-level windows that make
// up the screen.
//
// Every top-level window has one backing store, a surface of the window's
// size; child windows draw into their own area of their top-level window's
// store. Coordinates called "store coordinates" below are pixels of that
// surface (the top-level window's window coordinates).
#pragma once

#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/Surface.h"
#include "platform/region/Region.h"

namespace qb {

struct PaintTarget {
  Surface* store = nullptr;  // null for a window that is gone
  POINT windowOrigin;        // the window's top-left corner in the store
  POINT clientOrigin;        // the client area's top-left corner in the store
  // What drawing may touch, in store coordinates: the window (whole window
  // or client area) clipped to every parent's client area and shape, minus
  // the visible children when the window has WS_CLIPCHILDREN (and the
  // siblings above it with WS_CLIPSIBLINGS), within the window's own shape.
  // Empty while the window is not visible.
  Region visible;
};

PaintTarget GetPaintTarget(HWND hwnd, bool wholeWindow);

// For BeginPaint: hands over the update region (client coordinates) and
// clears it, and tells whether WM_ERASEBKGND is still owed. The caller sends
// WM_ERASEBKGND when `erase` is true.
struct UpdateTake {
  Region region;
  bool erase = false;
};
UpdateTake TakeUpdateRegion(HWND hwnd);

// The drawing layer calls this after it has changed a top-level window's
// store or layered content (EndPaint, ReleaseDC, UpdateLayeredWindow,
// SetLayeredWindowAttributes), so that the backend presents it.
void PresentWindow(HWND hwnd);

// Per top-level window with WS_EX_LAYERED: content set by
// UpdateLayeredWindow (premultiplied, the window's size) and the attributes
// set by SetLayeredWindowAttributes. Cleared when the style goes.
struct LayeredState {
  bool hasContent = false;  // UpdateLayeredWindow was used: show `content`
  Surface content;
  bool hasAttributes = false;  // SetLayeredWindowAttributes was used
  BYTE constantAlpha = 255;
  COLORREF colorKey = 0;
  DWORD attributeFlags = 0;  // LWA_ALPHA, LWA_COLORKEY
};
// Null for a child window or a window that is gone.
LayeredState* GetLayeredState(HWND hwnd);

// One visible top-level window as the screen shows it.
struct ScreenWindow {
  HWND hwnd = nullptr;
  RECT rect;                         // screen coordinates
  const Surface* store = nullptr;    // the backing store
  const Region* shape = nullptr;     // window coordinates; null: the full rectangle
  bool layered = false;              // WS_EX_LAYERED
  const LayeredState* layeredState = nullptr;  // set when layered
};
// Bottom first, so drawing them in order gives the screen.
std::vector<ScreenWindow> VisibleTopLevelsBottomToTop();

}  // namespace qb
