// The X11 display backend: every top-level window of ours is an
// override-redirect X window, so that our window layer, not a window
// manager, decides frames, placement and stacking (the topmost band is
// simply the top of the order the core passes to StackWindows).
//
// Taskbar: our windows carry no taskbar entry. The product's window is a
// short-lived notification that places itself exactly at the bottom right
// of the work area and closes itself; a managed proxy window for the
// taskbar would hand a window manager a window it may move, focus or
// decorate, for a window the user never needs to find again. The save
// dialog, the one long wait for the user, is a program of the desktop
// with its own entry.
//
// Pixels: each window's picture lives in a server-side pixmap that is the
// window's background, so exposures are repainted by the server without a
// round trip through us; a repaint is one upload into that pixmap
// (XShmPutImage through a shared segment when MIT-SHM is there, else
// XPutImage straight from the backing store).
//
// Layered windows use a 32-bit ARGB visual when the screen has one. Only a
// compositing manager (the owner of _NET_WM_CM_S<screen>) blends them; the
// backend follows it coming and going (XFIXES tells when the selection
// changes hands) and says so through ComposesAlpha. While nobody blends,
// layered windows are shaped to their pixels with alpha above zero instead
// of showing a black box. Either way a layered window takes the pointer
// only where its alpha is above zero (the SHAPE extension's input shape).
// Window shapes (SetWindowRgn) go through SHAPE as well; without it windows
// stay rectangular and take the pointer everywhere.
//
// Input comes from a thread of the backend that waits on the connection
// and hands raw events to the core (RawInput.h): pointer positions in
// screen coordinates, raw button presses (the core decides double clicks),
// virtual keys, and another program taking the focus. No window manager
// gives override-redirect windows the keyboard: a click on one of ours, and
// the core activating one of ours, move the X input focus to it. The
// pointer grab the server takes on a button press keeps motion coming to us
// during capture and the move loop, even outside our windows; a capture
// without a button held sees the pointer only over our windows.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/backend/Backend.h"
#include "platform/gdi/Surface.h"

namespace qb {

// The optional parts of the display, probed once when the backend opens.
struct X11Features {
  bool shape = false;       // SHAPE extension
  bool argbVisual = false;  // a 32-bit TrueColor visual with alpha
  bool sharedMemory = false;  // MIT-SHM, usable from this client
  bool compositor = false;  // _NET_WM_CM_S<screen> has an owner
  bool rootPixels = true;   // the root window's pixels can be read (not under XWayland)
};

class X11Backend : public Backend {
 public:
  // Opens the display named by DISPLAY (trying a few times, since a freshly
  // started server may refuse the first connections); null when none can
  // be reached.
  static std::unique_ptr<X11Backend> Open();
  ~X11Backend() override;
  X11Backend(const X11Backend&) = delete;
  X11Backend& operator=(const X11Backend&) = delete;

  const char* Name() const override { return "x11"; }
  // The primary monitor (RandR's monitors, read when the backend opens):
  // its top-left corner is our (0, 0), so the screen of the window layer is
  // that monitor, as it is on the platform we stand in for, and windows on
  // other monitors have coordinates beyond it.
  SIZE ScreenSize() const override;
  // _NET_WORKAREA of the first desktop when a window manager sets it,
  // clipped to the primary monitor; else that whole monitor. Read again
  // whenever the property changes, since panels come and go.
  RECT WorkArea() const override;
  void PlaceWindow(HWND hwnd, const RECT& rect) override;
  void ShowWindow(HWND hwnd, bool visible) override;
  void StackWindows(const std::vector<HWND>& topFirst) override;
  void ForgetWindow(HWND hwnd) override;
  // WM_NAME and _NET_WM_NAME, which desktop tools and automation look for.
  void SetWindowTitle(HWND hwnd, const std::u16string& title) override;
  void PresentWindow(HWND hwnd) override;
  void SetCursorShape(CursorShape shape) override;
  // An ARGB visual and a compositing manager (within LimitFeatures).
  bool ComposesAlpha() const override;
  // The desktop's save dialog (DesktopSaveDialog.h).
  std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) override;

  // What is in use now: what the display has, within LimitFeatures.
  X11Features Features() const;
  // Uses only the features that `allowed` also has, so that the plain paths
  // can be exercised on a display that has everything; windows made from
  // now on and every later repaint follow it, and a change of ComposesAlpha
  // is announced as when the compositor itself comes or goes. Passing all
  // true gives back everything the display has.
  void LimitFeatures(const X11Features& allowed);

  // The real screen's pixels as the server has them, alpha 255.
  Surface CaptureScreen() const;
  // The screen as a PNG file; throws qb::PngError. Where the root window
  // cannot be read (XWayland gives black), the picture is made of our own
  // windows' pixels over the desktop colour instead.
  void WriteScreenPng(const std::filesystem::path& file) const;
  // Waits until the server has handled every request made so far, and the
  // input thread has handed on every event the server sent before that.
  void Sync();

  struct State;

 private:
  explicit X11Backend(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

// The running backend when it is the X11 one, else null.
X11Backend* CurrentX11Backend();

}  // namespace qb
