// What the X11 backend's files share: the one connection, the probed
// features, and our X windows. Xlib appears only below this folder.
#pragma once

#include <array>
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/backend/x11/X11Backend.h"
#include "platform/gdi/Surface.h"
#include "platform/window/Window.h"

// After our own headers: Xlib defines macros with common names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
// A query-size class of X.h that would hide our cursor shapes.
#undef CursorShape

namespace qb {

// A shared memory segment attached to the server, for one window's uploads.
struct SharedSegment {
  XShmSegmentInfo info{};
  std::size_t bytes = 0;
  bool attached = false;
};

// One top-level window of ours on the display. Touched on the
// user-interface thread only, except `id`, which the input thread reads
// through State::byId.
struct XWindowRecord {
  Window id = 0;
  bool argb = false;     // made with the 32-bit ARGB visual
  RECT rect{};
  bool shown = false;    // the core shows it
  bool mapped = false;   // shown and not empty: X has no windows of size 0
  bool presented = false;
  Pixmap pixmap = 0;     // the window's picture and background
  GC gc = nullptr;
  int pixmapWidth = 0;
  int pixmapHeight = 0;
  bool shaped = false;   // a bounding shape is set
  bool inputShaped = false;  // an input shape is set
  SharedSegment segment;
};

struct X11Backend::State {
  ::Display* display = nullptr;
  int screen = 0;
  Window root = 0;
  Visual* visual = nullptr;  // the screen's default
  int depth = 0;
  XVisualInfo argbVisual{};
  Colormap argbColormap = 0;
  SIZE screenSize{};  // the whole X screen
  // The primary monitor (RandR's, else the whole screen) in X coordinates,
  // read at start-up. Our coordinates count from its top-left corner, as
  // the platform we stand in for counts from its primary monitor's: X
  // coordinates are ours plus `origin`.
  RECT primary{};
  POINT origin{};
  Atom workAreaAtom = 0;
  // Under the display lock: the work area last read, forgotten when the
  // root window's property changes. Forms ask for it at every size change,
  // and each read is a round trip.
  std::optional<RECT> workArea;

  X11Features probed;   // all but the compositor, which is compositorRunning
  bool inputShapes = false;  // SHAPE 1.1: input shapes apart from the bounding one
  X11Features allowed{true, true, true, true, true};  // LimitFeatures
  // Whether _NET_WM_CM_S<screen> has an owner now; written by the input
  // thread when XFIXES (when there: xfixesEventBase ≥ 0) reports a change.
  Atom compositorSelection = 0;
  int xfixesEventBase = -1;
  std::atomic<bool> compositorRunning = false;

  std::map<HWND, XWindowRecord> windows;  // user-interface thread only
  std::array<Cursor, 11> cursors{};
  Cursor cursor = 0;
  // The window we last gave the X input focus; cleared by the input thread
  // when another program takes it, so that a later activation takes it back.
  std::atomic<HWND> focusGivenTo = nullptr;

  // Read by the input thread to find the window of an event.
  std::mutex byIdMutex;
  std::map<Window, HWND> byId;

  // The input thread waits on the connection and on this pipe, which wakes
  // it to stop.
  std::array<int, 2> wakePipe{-1, -1};
  std::thread reader;
  POINT lastPointer{-1, -1};  // input side only, under the display lock
  // Input side only, under the display lock: the input method that turns
  // key presses into the characters of the keyboard layout (opened at the
  // first key; none when the display offers no input method), and the
  // virtual key each pressed key code went down as, so that its release
  // matches.
  bool inputMethodTried = false;
  XIM inputMethod = nullptr;
  XIC inputContext = nullptr;
  std::array<int, 256> pressedKeys{};
};

// Holds the display lock (the connection is used from two threads) and,
// when it is let go, hands on events that replies read meanwhile left in
// Xlib's queue, which the input thread's wait on the socket would miss.
class DisplayLock {
 public:
  explicit DisplayLock(X11Backend::State& state);
  ~DisplayLock();
  DisplayLock(const DisplayLock&) = delete;
  DisplayLock& operator=(const DisplayLock&) = delete;

 private:
  X11Backend::State& state_;
};

// window.cpp
XWindowRecord& EnsureXWindow(X11Backend::State& state, HWND hwnd);
void DestroyXWindow(X11Backend::State& state, XWindowRecord& record);
// Sets WM_NAME and _NET_WM_NAME.
void NameXWindow(X11Backend::State& state, Window id, const std::u16string& title);
// Maps or unmaps the X window as `shown` and the size ask.
void UpdateMapping(X11Backend::State& state, XWindowRecord& record);
// Stacks our X windows in the core's order of top-level windows.
void ApplyStacking(X11Backend::State& state);
void FollowActiveWindow(X11Backend::State& state);

// image.cpp: uploads the window's picture into its pixmap and shows it.
void UploadPicture(X11Backend::State& state, XWindowRecord& record, const Surface& picture);
void ReleaseSegment(X11Backend::State& state, SharedSegment& segment);
bool ProbeSharedMemory(X11Backend::State& state);

// The features in use: the probed ones within LimitFeatures, the
// compositor as it is now.
X11Features FeaturesInUse(const X11Backend::State& state);
// An ARGB visual and a compositing manager, both in use.
bool AlphaComposed(const X11Backend::State& state);

// shape.cpp: the bounding shape from the window's region and, when
// `alphaShaped`, from the picture's pixels with alpha above zero; for a
// layered window the input shape from those pixels as well.
void ApplyShape(X11Backend::State& state, XWindowRecord& record, HWND hwnd, const Surface& picture, bool layered,
                bool alphaShaped);
// Rows of runs of pixels with alpha above zero, as rectangles in picture
// coordinates; equal runs on neighbouring rows are merged.
std::vector<RECT> OpaqueRuns(const Surface& picture);

// input.cpp
void StartInputThread(X11Backend::State& state);
void StopInputThread(X11Backend::State& state);
// Hands every queued event to the core. Call with the display locked.
void HandleQueuedEvents(X11Backend::State& state);
int VirtualKeyOf(KeySym keysym);
// The character a key press types as the layout and the modifiers held make
// it, 0 for none.
char32_t TypedCharacter(X11Backend::State& state, XKeyEvent& event);

// screen.cpp
// The primary monitor, or the first one when none is marked primary, from
// RandR 1.5; the whole screen without RandR or monitors.
RECT ReadPrimaryMonitor(X11Backend::State& state);
// _NET_WORKAREA clipped to the primary monitor, in our coordinates.
RECT ReadWorkArea(X11Backend::State& state);
Surface ReadScreen(X11Backend::State& state);

}  // namespace qb
