#include "platform/backend/x11/X11Backend.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/backend/RawInput.h"
#include "platform/backend/x11/X11State.h"
#include "platform/dialogs/DesktopSaveDialog.h"
#include "platform/gdi/window/LayeredWindow.h"
#include "platform/gdi/window/ScreenComposer.h"
#include "platform/png/PngFile.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/UiThread.h"
#include "platform/window/WindowStyles.h"

#include <X11/cursorfont.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/shape.h>

namespace qb {
namespace {

// A freshly started server refuses a connection now and then.
constexpr int kConnectAttempts = 5;
constexpr auto kConnectPause = std::chrono::milliseconds(200);

// Xlib's default handler ends the process on any error. A request about a
// window that went away meanwhile is no reason to end the program, so
// errors are reported and otherwise ignored.
int ReportError(::Display* display, XErrorEvent* error) {
  char text[256] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "quillbrook: X error: %s (request %d.%d)\n", text, error->request_code, error->minor_code);
  return 0;
}

// Our pixels are little-endian 0xAARRGGBB words, which a 24- or 32-bit
// TrueColor visual with 32 bits per pixel takes as they are.
bool TakesOurPixels(::Display* display, Visual* visual, int depth) {
  if (visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF) return false;
  if (ImageByteOrder(display) != LSBFirst) return false;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  bool fits = false;
  for (int i = 0; i < count; ++i) {
    if (formats[i].depth == depth) fits = formats[i].bits_per_pixel == 32;
  }
  XFree(formats);
  return fits;
}

// Whether a compositing manager runs now, and, with XFIXES, a notice
// whenever the selection it owns changes hands.
void WatchCompositor(X11Backend::State& state) {
  const std::string name = "_NET_WM_CM_S" + std::to_string(state.screen);
  state.compositorSelection = XInternAtom(state.display, name.c_str(), False);
  int eventBase = 0, errorBase = 0;
  if (XFixesQueryExtension(state.display, &eventBase, &errorBase)) {
    state.xfixesEventBase = eventBase;
    XFixesSelectSelectionInput(state.display, state.root, state.compositorSelection,
                               XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
  }
  // Asked after the notices are on, so that no change falls between.
  state.compositorRunning = XGetSelectionOwner(state.display, state.compositorSelection) != None;
}

unsigned CursorGlyph(CursorShape shape) {
  switch (shape) {
    case CursorShape::kArrow: return XC_left_ptr;
    case CursorShape::kIBeam: return XC_xterm;
    case CursorShape::kWait: return XC_watch;
    case CursorShape::kCross: return XC_crosshair;
    case CursorShape::kSizeNWSE: return XC_bottom_right_corner;
    case CursorShape::kSizeNESW: return XC_bottom_left_corner;
    case CursorShape::kSizeWE: return XC_sb_h_double_arrow;
    case CursorShape::kSizeNS: return XC_sb_v_double_arrow;
    case CursorShape::kSizeAll: return XC_fleur;
    case CursorShape::kNo: return XC_X_cursor;
    case CursorShape::kHand: return XC_hand2;
  }
  return XC_left_ptr;
}

// The picture a window shows: the backing store, or for a layered window
// its premultiplied content, scaled by the constant alpha, or the store
// with the constant alpha and key colour applied. A layered window with
// neither shows nothing yet. `scratch` holds a picture that had to be made.
const Surface* PictureOf(HWND hwnd, const Surface& store, Surface& scratch) {
  const LayeredState* layered = (hwnd->exStyle & WS_EX_LAYERED) ? GetLayeredState(hwnd) : nullptr;
  if (!layered) return &store;
  const bool constantAlpha = layered->hasAttributes && (layered->attributeFlags & LWA_ALPHA);
  const bool colorKey = layered->hasAttributes && (layered->attributeFlags & LWA_COLORKEY);
  const std::uint32_t alpha = constantAlpha ? layered->constantAlpha : 255;
  if (layered->hasContent && alpha == 255) return &layered->content;
  const Surface& source = layered->hasContent ? layered->content : store;
  scratch.Resize(store.Width(), store.Height());
  if (!layered->hasContent && !layered->hasAttributes) return &scratch;
  const std::uint32_t key = 0xFF000000u | (GetRValue(layered->colorKey) << 16) |
                            (GetGValue(layered->colorKey) << 8) | GetBValue(layered->colorKey);
  for (int y = 0; y < scratch.Height() && y < source.Height(); ++y) {
    const std::uint32_t* in = source.Row(y);
    std::uint32_t* out = scratch.Row(y);
    for (int x = 0; x < scratch.Width() && x < source.Width(); ++x) {
      std::uint32_t pixel = layered->hasContent ? in[x] : in[x] | 0xFF000000u;
      if (colorKey && !layered->hasContent && pixel == key) continue;
      std::uint32_t scaled = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t channel = (pixel >> shift) & 0xFF;
        scaled |= ((channel * alpha + 127) / 255) << shift;
      }
      out[x] = scaled;
    }
  }
  return &scratch;
}

}  // namespace

DisplayLock::DisplayLock(X11Backend::State& state) : state_(state) { XLockDisplay(state.display); }

DisplayLock::~DisplayLock() {
  if (XEventsQueued(state_.display, QueuedAlready) > 0) HandleQueuedEvents(state_);
  XFlush(state_.display);
  XUnlockDisplay(state_.display);
}

std::unique_ptr<X11Backend> X11Backend::Open() {
  static const bool threadsReady = XInitThreads() != 0;
  if (!threadsReady) return nullptr;
  ::Display* display = nullptr;
  for (int attempt = 0; attempt < kConnectAttempts && !display; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kConnectPause);
    display = XOpenDisplay(nullptr);
  }
  if (!display) return nullptr;
  XSetErrorHandler(ReportError);

  auto state = std::make_unique<State>();
  state->display = display;
  state->screen = DefaultScreen(display);
  state->root = RootWindow(display, state->screen);
  state->visual = DefaultVisual(display, state->screen);
  state->depth = DefaultDepth(display, state->screen);
  state->screenSize = SIZE{DisplayWidth(display, state->screen), DisplayHeight(display, state->screen)};
  state->primary = ReadPrimaryMonitor(*state);
  state->origin = POINT{state->primary.left, state->primary.top};
  if (!TakesOurPixels(display, state->visual, state->depth)) {
    std::fprintf(stderr, "quillbrook: the display's default visual is not 24-bit TrueColor\n");
    XCloseDisplay(display);
    return nullptr;
  }
  state->workAreaAtom = XInternAtom(display, "_NET_WORKAREA", False);
  XSelectInput(display, state->root, PropertyChangeMask);

  int eventBase = 0, errorBase = 0;
  state->probed.shape = XShapeQueryExtension(display, &eventBase, &errorBase);
  int shapeMajor = 0, shapeMinor = 0;
  state->inputShapes =
      state->probed.shape && XShapeQueryVersion(display, &shapeMajor, &shapeMinor) &&
      (shapeMajor > 1 || (shapeMajor == 1 && shapeMinor >= 1));
  if (XMatchVisualInfo(display, state->screen, 32, TrueColor, &state->argbVisual) &&
      TakesOurPixels(display, state->argbVisual.visual, 32)) {
    state->probed.argbVisual = true;
    state->argbColormap = XCreateColormap(display, state->root, state->argbVisual.visual, AllocNone);
  }
  state->probed.sharedMemory = ProbeSharedMemory(*state);
  int opcode = 0, firstEvent = 0, firstError = 0;
  state->probed.rootPixels = !XQueryExtension(display, "XWAYLAND", &opcode, &firstEvent, &firstError);
  WatchCompositor(*state);

  std::unique_ptr<X11Backend> backend(new X11Backend(std::move(state)));
  StartInputThread(*backend->state_);
  return backend;
}

X11Backend::X11Backend(std::unique_ptr<State> state) : state_(std::move(state)) {}

X11Backend::~X11Backend() {
  StopInputThread(*state_);
  for (auto& [hwnd, record] : state_->windows) DestroyXWindow(*state_, record);
  for (Cursor cursor : state_->cursors) {
    if (cursor) XFreeCursor(state_->display, cursor);
  }
  if (state_->argbColormap) XFreeColormap(state_->display, state_->argbColormap);
  XCloseDisplay(state_->display);
}

SIZE X11Backend::ScreenSize() const {
  const RECT& primary = state_->primary;
  return SIZE{primary.right - primary.left, primary.bottom - primary.top};
}

RECT X11Backend::WorkArea() const {
  DisplayLock lock(*state_);
  // A change arrives as a property event: taking in what the server has
  // sent so far, without a round trip, is as current as a fresh read.
  if (XEventsQueued(state_->display, QueuedAfterReading) > 0) HandleQueuedEvents(*state_);
  if (!state_->workArea) state_->workArea = ReadWorkArea(*state_);
  return *state_->workArea;
}

void X11Backend::PlaceWindow(HWND hwnd, const RECT& rect) {
  DisplayLock lock(*state_);
  XWindowRecord& record = EnsureXWindow(*state_, hwnd);
  if (record.rect.left == rect.left && record.rect.top == rect.top && record.rect.right == rect.right &&
      record.rect.bottom == rect.bottom) {
    return;
  }
  record.rect = rect;
  XMoveResizeWindow(state_->display, record.id, rect.left + state_->origin.x, rect.top + state_->origin.y,
                    unsigned(std::max(LONG{1}, rect.right - rect.left)),
                    unsigned(std::max(LONG{1}, rect.bottom - rect.top)));
  UpdateMapping(*state_, record);
}

void X11Backend::ShowWindow(HWND hwnd, bool visible) {
  DisplayLock lock(*state_);
  XWindowRecord& record = EnsureXWindow(*state_, hwnd);
  if (record.shown == visible) return;
  record.shown = visible;
  // Map with the picture in place, so that the window never appears
  // without its pixels.
  if (visible && !record.presented) PresentWindow(hwnd);
  UpdateMapping(*state_, record);
  if (record.mapped) {
    ApplyStacking(*state_);
    FollowActiveWindow(*state_);
  }
}

// The order is the core's list of top-level windows, which ApplyStacking
// reads itself whenever it restacks.
void X11Backend::StackWindows(const std::vector<HWND>&) {
  DisplayLock lock(*state_);
  ApplyStacking(*state_);
  FollowActiveWindow(*state_);
}

void X11Backend::ForgetWindow(HWND hwnd) {
  DisplayLock lock(*state_);
  auto it = state_->windows.find(hwnd);
  if (it == state_->windows.end()) return;
  DestroyXWindow(*state_, it->second);
  state_->windows.erase(it);
  if (state_->focusGivenTo == hwnd) state_->focusGivenTo = nullptr;
}

void X11Backend::SetWindowTitle(HWND hwnd, const std::u16string& title) {
  DisplayLock lock(*state_);
  auto it = state_->windows.find(hwnd);
  // A window without its X window yet gets its name when that is made.
  if (it != state_->windows.end()) NameXWindow(*state_, it->second.id, title);
}

void X11Backend::PresentWindow(HWND hwnd) {
  if (!IsLive(hwnd)) return;
  DisplayLock lock(*state_);
  XWindowRecord& record = EnsureXWindow(*state_, hwnd);
  // A hidden window's picture goes to the server when the window is shown:
  // forms are laid out and painted several times before that.
  if (!record.shown) {
    record.presented = false;
    return;
  }
  const PaintTarget target = GetPaintTarget(hwnd, true);
  if (target.store->Empty()) return;
  Surface scratch;
  const Surface& picture = *PictureOf(hwnd, *target.store, scratch);
  UploadPicture(*state_, record, picture);
  const bool layered = (hwnd->exStyle & WS_EX_LAYERED) != 0;
  // Only a compositing manager blends an ARGB window; without one the
  // alpha has to become the window's shape.
  const bool alphaShaped = layered && !(record.argb && AlphaComposed(*state_));
  ApplyShape(*state_, record, hwnd, picture, layered, alphaShaped);
  record.presented = true;
  // Activation follows showing and stacking; the first paint after it is
  // where the focus can follow as well.
  FollowActiveWindow(*state_);
}

void X11Backend::SetCursorShape(CursorShape shape) {
  DisplayLock lock(*state_);
  Cursor& cursor = state_->cursors.at(std::size_t(shape));
  if (!cursor) cursor = XCreateFontCursor(state_->display, CursorGlyph(shape));
  if (cursor == state_->cursor) return;
  state_->cursor = cursor;
  for (auto& [hwnd, record] : state_->windows) XDefineCursor(state_->display, record.id, cursor);
}

std::optional<std::u16string> X11Backend::RunSaveDialog(const SaveDialogRequest& request) {
  return DesktopSaveDialog().Run(request);
}

X11Features FeaturesInUse(const X11Backend::State& state) {
  const X11Features& probed = state.probed;
  const X11Features& allowed = state.allowed;
  return X11Features{probed.shape && allowed.shape, probed.argbVisual && allowed.argbVisual,
                     probed.sharedMemory && allowed.sharedMemory, state.compositorRunning && allowed.compositor,
                     probed.rootPixels && allowed.rootPixels};
}

X11Features X11Backend::Features() const { return FeaturesInUse(*state_); }

bool AlphaComposed(const X11Backend::State& state) {
  const X11Features features = FeaturesInUse(state);
  return features.argbVisual && features.compositor;
}

bool X11Backend::ComposesAlpha() const { return AlphaComposed(*state_); }

void X11Backend::LimitFeatures(const X11Features& allowed) {
  const bool composed = ComposesAlpha();
  state_->allowed = allowed;
  if (ComposesAlpha() != composed) DeliverCompositionChange();
}

Surface X11Backend::CaptureScreen() const {
  DisplayLock lock(*state_);
  return ReadScreen(*state_);
}

void X11Backend::WriteScreenPng(const std::filesystem::path& file) const {
  WritePng(FeaturesInUse(*state_).rootPixels ? CaptureScreen() : ComposeScreen(), file);
}

void X11Backend::Sync() {
  DisplayLock lock(*state_);
  XSync(state_->display, False);
  HandleQueuedEvents(*state_);
}

X11Backend* CurrentX11Backend() { return dynamic_cast<X11Backend*>(&CurrentBackend()); }

}  // namespace qb
