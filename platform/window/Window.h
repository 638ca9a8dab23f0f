// The window object behind a handle. Only the window layer's own files use
// it; everyone else goes through the functions of WindowApi.h.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"
#include "platform/region/Region.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/WindowApi.h"

namespace qb {

struct WindowClass {
  std::u16string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HCURSOR cursor = nullptr;
};

// What only top-level windows have.
struct TopLevelParts {
  // The backing store. A size change only marks it: StoreOf clears it to
  // the new size when it is next used. Forms are resized several times
  // while they are laid out hidden, and each clear wrote megabytes.
  Surface store;
  bool storeResized = true;
  LayeredState layered;
};

}  // namespace qb

struct HWND__ {
  std::shared_ptr<const qb::WindowClass> windowClass;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // set for child windows
  HWND owner = nullptr;   // set for owned top-level windows
  std::vector<HWND> children;  // top of the z-order first
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::u16string text;

  RECT rect;    // the window, in the parent's client coordinates (screen for top-level windows)
  RECT client;  // the client area, in window coordinates

  qb::Region update;  // client coordinates
  bool erasePending = false;
  bool framePending = false;
  std::optional<qb::Region> shape;  // window coordinates

  bool destroying = false;
  std::unique_ptr<qb::TopLevelParts> top;  // set for top-level windows

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  LONG Width() const { return rect.right - rect.left; }
  LONG Height() const { return rect.bottom - rect.top; }
};

namespace qb {

// The window's top-left corner in screen coordinates.
POINT ScreenOrigin(HWND hwnd);
HWND TopLevelOf(HWND hwnd);
// The window's shape contains the point given in window coordinates.
bool ShapeContains(HWND hwnd, LONG x, LONG y);

}  // namespace qb
