// One of the four per-pixel-alpha windows of the layered frame: borderless,
// without parent, never activated and never keeping the focus. It shows a
// premultiplied strip and turns the mouse into hover, pressing, dragging and
// resizing for its TskFormLayerBorder.
#pragma once

#include "platform/window/WindowApi.h"
#include "toolkit/controls/ControlMessages.h"
#include "skin/data/TskBitmap.h"
#include "skin/frame/TskFormLayerBorderGeometry.h"
#include "skin/frame/TskFormLayerWindowZone.h"

namespace qb {

class TskFormLayerBorder;

class TskFormLayerWindow {
 public:
  static constexpr char16_t kClassName[] = u"TskFormLayerWindow";

  // Created invisible; click-through when the frame has no border.
  TskFormLayerWindow(TskFormLayerBorder& border, TskLayerSide side, bool stayOnTop, bool clickThrough);
  TskFormLayerWindow(const TskFormLayerWindow&) = delete;
  TskFormLayerWindow& operator=(const TskFormLayerWindow&) = delete;

  HWND Handle() const { return window_.Get(); }
  TskLayerSide Side() const { return side_; }

  // Gives the window `strip` as its content with constant alpha `alpha`.
  void Present(const TskBitmap& strip, BYTE alpha);
  // Places the window at (x, y) without activating it; `show` shows it,
  // otherwise it is hidden.
  void Place(int x, int y, bool show);

  TskLayerZone Zone = lzNone;
  bool Dragging = false;
  POINT LastCursor{};
  bool SkipNextMove = false;

 private:
  static LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  TskLayerZone ZoneAt(POINT cursor);
  void MouseDown(POINT client, TMouseButton button);
  void MouseMove(POINT client);
  void MouseUp(POINT client, TMouseButton button);
  void DoubleClick(POINT client);
  void DragTo(POINT cursor);

  TskFormLayerBorder& border_;
  TskLayerSide side_;
  OwnedWindow window_;
  bool mouseInside_ = false;
};

}  // namespace qb
