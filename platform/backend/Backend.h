// The display backend: the only part of the window layer that talks to a
// display. Everything else — hit testing, capture, activation, the move and
// size loops, the non-client protocol, painting bookkeeping — lives in the
// portable core, which tells the backend what to present and receives raw
// input from it.
//
// The core calls a backend only on the user-interface thread. A backend may
// deliver input from any thread through qb::RawInputSink (RawInput.h); the
// core queues it and handles it in order inside the message loop.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/dialogs/SaveDialog.h"
#include "platform/window/InputApi.h"

namespace qb {

class Backend {
 public:
  virtual ~Backend() = default;

  virtual const char* Name() const = 0;

  // Screen geometry in pixels.
  virtual SIZE ScreenSize() const = 0;
  virtual RECT WorkArea() const = 0;

  // Top-level windows. `rect` is in screen coordinates. A window is placed
  // before it is first shown; Stack passes every top-level window from the
  // top of the z-order down.
  virtual void PlaceWindow(HWND hwnd, const RECT& rect) = 0;
  virtual void ShowWindow(HWND hwnd, bool visible) = 0;
  virtual void StackWindows(const std::vector<HWND>& topFirst) = 0;
  virtual void ForgetWindow(HWND hwnd) = 0;
  // The window's text changed, which desktop tools show as its name.
  virtual void SetWindowTitle(HWND hwnd, const std::u16string& title) = 0;
  // Pixels, shape or alpha of the window changed (see PaintTarget.h for
  // where to read them).
  virtual void PresentWindow(HWND hwnd) = 0;

  virtual void SetCursorShape(CursorShape shape) = 0;

  // The display blends layered windows' per-pixel alpha with what lies
  // below them (PerPixelAlphaShown). A backend whose answer changes calls
  // DeliverCompositionChange (RawInput.h).
  virtual bool ComposesAlpha() const = 0;

  // The platform's save dialog. Runs modally: it keeps the message loop
  // going (RunModalUntil in ModalLoop.h) until the user answers.
  virtual std::optional<std::u16string> RunSaveDialog(const SaveDialogRequest& request) = 0;
};

// The running backend; the first call makes the calling thread the
// user-interface thread and starts the backend.
Backend& CurrentBackend();

}  // namespace qb
