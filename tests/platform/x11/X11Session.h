// The real display the X11 tests drive: the backend (one connection for the
// process) and a second connection that synthesises input with XTest and
// sets root properties. Test processes on the same display take turns, since
// the pointer and the screen are shared.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/x11/X11Backend.h"

namespace qb::test {

class X11Session {
 public:
  // Null when no display can be reached (the caller skips).
  static X11Session* Get();

  X11Backend& Backend() { return *backend_; }

  // Synthetic input, sent to the server at once; Settle lets it arrive.
  void MovePointer(int x, int y);
  void Button(int button, bool down);
  // A key by its keysym, pressed and released.
  void Key(unsigned long keysym);
  // A key by its key code, pressed and released, with Shift held around it
  // when `shifted`.
  void TypeKeyCode(unsigned code, bool shifted);
  unsigned KeyCodeOf(unsigned long keysym);
  // Gives a key code that has no symbols the symbols `keysyms` (unshifted,
  // shifted); 0 when the keyboard has no such code. UnmapKey takes them
  // away again.
  unsigned MapSpareKey(std::vector<unsigned long> keysyms);
  void UnmapKey(unsigned code);
  // The cursor the server shows now: width, height, hot spot x and y, then
  // the ARGB pixels; empty when the server cannot tell.
  std::vector<unsigned long> ShownCursor();
  // What the server shows for the X font cursor `glyph` (XC_ values), read
  // over a window of the session's own at `where`.
  std::vector<unsigned long> FontCursor(unsigned glyph, POINT where);
  // Sets or removes _NET_WORKAREA (left, top, width, height) on the root.
  void SetWorkArea(std::optional<RECT> area);
  // Takes or gives up the compositing manager's selection, which the
  // session holds from the start, posing as a compositing manager.
  void PoseAsCompositor(bool pose);
  // The _NET_WM_NAME and WM_NAME of every top-level X window that has one.
  std::vector<std::pair<std::string, std::string>> WindowNames();
  // A window of another program: `rect` filled with `rgb` (0xRRGGBB).
  unsigned long ShowForeignWindow(RECT rect, std::uint32_t rgb);
  // How many button presses reached that window since the last call.
  int ForeignClicks(unsigned long window);
  void DestroyForeignWindow(unsigned long window);

  // Lets the server, the backend's input thread and the message loop
  // finish what the requests so far caused.
  void Settle();
  // The screen pixel as 0xRRGGBB.
  std::uint32_t Pixel(int x, int y);

  struct Connection;

 private:
  X11Session(X11Backend& backend, Connection* connection);
  X11Backend* backend_;
  Connection* connection_;
};

}  // namespace qb::test
