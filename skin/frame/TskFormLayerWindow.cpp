#include "skin/frame/TskFormLayerWindow.h"

#include <algorithm>

#include "platform/gdi/window/LayeredWindow.h"
#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "skin/frame/FrameRects.h"
#include "skin/frame/ProcessPendingMessages.h"
#include "skin/frame/TskFormLayerBorder.h"
#include "skin/frame/TskSkinCaptionObject.h"
#include "skin/frame/TskSkinStdButtonObject.h"

namespace qb {

namespace {

POINT ClientPoint(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

HCURSOR ZoneCursor(TskLayerZone zone) {
  switch (zone) {
    case lzLeft:
    case lzRight: return LoadCursor(nullptr, IDC_SIZEWE);
    case lzTop:
    case lzBottom: return LoadCursor(nullptr, IDC_SIZENS);
    case lzTopLeft:
    case lzBottomRight: return LoadCursor(nullptr, IDC_SIZENWSE);
    case lzTopRight:
    case lzBottomLeft: return LoadCursor(nullptr, IDC_SIZENESW);
    default: return LoadCursor(nullptr, IDC_ARROW);
  }
}

}  // namespace

TskFormLayerWindow::TskFormLayerWindow(TskFormLayerBorder& border, TskLayerSide side, bool stayOnTop,
                                       bool clickThrough)
    : border_(border), side_(side) {
  WNDCLASS windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &TskFormLayerWindow::Procedure;
  windowClass.lpszClassName = kClassName;
  // Fails harmlessly when the class exists already.
  RegisterClass(&windowClass);
  DWORD exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
  if (stayOnTop) exStyle |= WS_EX_TOPMOST;
  if (clickThrough) exStyle |= WS_EX_TRANSPARENT;
  window_.Reset(CreateWindowEx(exStyle, kClassName, u"", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr));
  if (!window_) return;
  SetWindowLongPtr(window_.Get(), GWLP_USERDATA, LONG_PTR(this));
}

void TskFormLayerWindow::Present(const TskBitmap& strip, BYTE alpha) {
  if (!window_ || strip.Empty()) return;
  const SIZE size{strip.Width(), strip.Height()};
  const POINT origin{0, 0};
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  UpdateLayeredWindow(window_.Get(), nullptr, nullptr, &size, strip.DC(), &origin, 0, &blend, ULW_ALPHA);
}

void TskFormLayerWindow::Place(int x, int y, bool show) {
  if (!window_) return;
  HWND after = border_.host_.LayerStayOnTop() ? HWND_TOPMOST : HWND_TOP;
  SetWindowPos(window_.Get(), after, x, y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

LRESULT TskFormLayerWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TskFormLayerWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT TskFormLayerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  TskFormLayerBorderHost& host = border_.host_;
  const TskDataSkinLayerFrame* record = border_.record_;
  switch (message) {
    case WM_MOUSEACTIVATE: {
      if (record != nullptr && record->hittestenable) {
        if (!host.LayerFormActive()) host.LayerActivateForm();
        POINT cursor{};
        GetCursorPos(&cursor);
        Zone = ZoneAt(cursor);
      }
      return MA_NOACTIVATE;
    }
    case WM_SETFOCUS:
      if (!host.LayerFormActive()) host.LayerActivateForm();
      return 1;
    case WM_SETCURSOR: return TRUE;
    case WM_MOUSEMOVE: MouseMove(ClientPoint(lParam)); return 0;
    case WM_LBUTTONDOWN: MouseDown(ClientPoint(lParam), mbLeft); return 0;
    case WM_RBUTTONDOWN: MouseDown(ClientPoint(lParam), mbRight); return 0;
    case WM_LBUTTONUP: MouseUp(ClientPoint(lParam), mbLeft); return 0;
    case WM_RBUTTONUP: MouseUp(ClientPoint(lParam), mbRight); return 0;
    case WM_LBUTTONDBLCLK: DoubleClick(ClientPoint(lParam)); return 0;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      border_.leaveTimer_->SetEnabled(false);
      if (side_ == lsTop) border_.LayerHitTest(-1, -1);
      return 0;
    default: break;
  }
  return DefWindowProc(window_.Get(), message, wParam, lParam);
}

TskLayerZone TskFormLayerWindow::ZoneAt(POINT cursor) {
  const TskDataSkinLayerFrame* record = border_.record_;
  if (record == nullptr) return lzNone;
  RECT window{};
  GetWindowRect(window_.Get(), &window);
  if (side_ == lsTop) {
    if (record->fullborder) {
      border_.LayerHitTest(cursor.x - window.left, cursor.y - window.top);
    } else {
      border_.hotIndex_ = -1;
    }
    const int hot = border_.hotIndex_;
    if (hot != -1) {
      const auto& object = border_.host_.LayerObjects()[hot];
      return dynamic_cast<TskSkinCaptionObject*>(object.get()) != nullptr ? lzCaption : lzObject;
    }
  }
  if (!border_.host_.LayerResizable()) return lzNone;
  return LayerResizeZoneAt(side_, cursor, window, border_.host_.LayerFormBounds(), *record);
}

void TskFormLayerWindow::MouseDown(POINT client, TMouseButton button) {
  TskFormLayerBorderHost& host = border_.host_;
  const TskDataSkinLayerFrame* record = border_.record_;
  if (record == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  Zone = ZoneAt(cursor);
  if (!record->hittestenable || !(host.LayerResizable() || Zone == lzCaption || Zone == lzObject)) return;
  SetCapture(window_.Get());
  SkipNextMove = false;
  Dragging = !(Zone == lzObject || Zone == lzNone || host.LayerMaximized() || button != mbLeft);
  LastCursor = cursor;
  if (record->fullborder && border_.hotIndex_ != -1) {
    border_.pressedIndex_ = border_.hotIndex_;
    host.LayerObjects()[border_.hotIndex_]->MouseDown(client.x, client.y, button);
  }
}

void TskFormLayerWindow::MouseMove(POINT client) {
  TskFormLayerBorderHost& host = border_.host_;
  const TskDataSkinLayerFrame* record = border_.record_;
  if (record == nullptr) return;
  if (!mouseInside_) {
    // The toolkit's enter notification: the window asks to hear of the leave.
    mouseInside_ = true;
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_.Get();
    TrackMouseEvent(&track);
    if (record->fullborder) border_.leaveTimer_->SetEnabled(true);
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  if (Dragging && record->hittestenable) {
    if (SkipNextMove) return;
    DragTo(cursor);
    return;
  }
  host.SetLayerDragActive(false);
  Zone = ZoneAt(cursor);
  SetCursor(ZoneCursor(Zone));
  if (record->fullborder && side_ == lsTop && border_.hotIndex_ != -1)
    host.LayerObjects()[border_.hotIndex_]->MouseMove(client.x, client.y);
}

void TskFormLayerWindow::DragTo(POINT cursor) {
  TskFormLayerBorderHost& host = border_.host_;
  host.SetLayerDragActive(true);
  const int dx = cursor.x - LastCursor.x;
  const int dy = cursor.y - LastCursor.y;
  const RECT form = host.LayerFormBounds();
  const int fw = Width(form), fh = Height(form);
  if (Zone == lzCaption) {
    const POINT unsnapped{form.left + dx, form.top + dy};
    POINT target = unsnapped;
    if (dx != 0 || dy != 0) target = host.LayerSnap(unsnapped.x, unsnapped.y, fh, fw);
    SkipNextMove = true;
    const bool snapped = target.x != unsnapped.x || target.y != unsnapped.y;
    // A snap that would pull the window against the mouse's direction keeps
    // it where it is.
    const bool moves = !snapped || (dx >= 1 && target.x > unsnapped.x) || (dx < 0 && target.x < unsnapped.x) ||
                       (dy >= 1 && target.y > unsnapped.y) || (dy < 0 && target.y < unsnapped.y);
    if (moves) {
      // Moving down, the frame goes first so that it never uncovers the
      // desktop behind the form.
      if (dy >= 1) border_.MoveLayer(target.x, target.y);
      host.LayerSetFormBounds(RECT{target.x, target.y, target.x + fw, target.y + fh});
    }
    const RECT now = host.LayerFormBounds();
    border_.MoveLayer(now.left, now.top);
  } else if (Zone >= lzLeft && Zone <= lzBottomRight) {
    RECT r = form;
    const bool left = Zone == lzLeft || Zone == lzTopLeft || Zone == lzBottomLeft;
    const bool right = Zone == lzRight || Zone == lzTopRight || Zone == lzBottomRight;
    const bool top = Zone == lzTop || Zone == lzTopLeft || Zone == lzTopRight;
    const bool bottom = Zone == lzBottom || Zone == lzBottomLeft || Zone == lzBottomRight;
    const SIZE minSize = host.LayerMinSize();
    const SIZE maxSize = host.LayerMaxSize();
    auto clampSpan = [](int span, int low, int high) { return std::clamp(span, low, std::max(low, high)); };
    if (left) r.left = r.right - clampSpan(fw - dx, minSize.cx, maxSize.cx);
    if (right) r.right = r.left + clampSpan(fw + dx, minSize.cx, maxSize.cx);
    if (top) r.top = r.bottom - clampSpan(fh - dy, minSize.cy, maxSize.cy);
    if (bottom) r.bottom = r.top + clampSpan(fh + dy, minSize.cy, maxSize.cy);
    if (top && dy >= 1) border_.MoveLayer(r.left, r.top);
    host.LayerSetFormBounds(r);
    border_.UpdateLayer();
  }
  ProcessPendingNonPointerMessages();
  SkipNextMove = false;
  LastCursor = cursor;
}

void TskFormLayerWindow::MouseUp(POINT client, TMouseButton button) {
  TskFormLayerBorderHost& host = border_.host_;
  const TskDataSkinLayerFrame* record = border_.record_;
  if (GetCapture() == window_.Get()) ReleaseCapture();
  host.SetLayerDragActive(false);
  Dragging = false;
  SkipNextMove = false;
  LastCursor = POINT{};
  if (record == nullptr || !record->fullborder) return;
  FrameObjectList objects = host.LayerObjects();
  const int pressed = border_.pressedIndex_;
  const int hot = border_.hotIndex_;
  if (pressed != -1 && pressed != hot && pressed < int(objects.size())) objects[pressed]->MouseUp(client.x, client.y, button);
  border_.pressedIndex_ = -1;
  if (!record->hittestenable || !(host.LayerResizable() || Zone == lzCaption || Zone == lzObject) || hot == -1 ||
      hot >= int(objects.size()))
    return;
  if (button == mbRight && dynamic_cast<TskSkinCaptionObject*>(objects[hot].get()) != nullptr) {
    objects[hot]->MouseUp(client.x, client.y, button);
    POINT cursor{};
    GetCursorPos(&cursor);
    host.LayerCaptionMenu(cursor);
    return;
  }
  // The command of a caption button may close the form and, with it, this
  // window; nothing of it is touched afterwards.
  objects[hot]->MouseUp(client.x, client.y, button);
}

void TskFormLayerWindow::DoubleClick(POINT /*client*/) {
  TskFormLayerBorderHost& host = border_.host_;
  const TskDataSkinLayerFrame* record = border_.record_;
  if (record == nullptr || !record->fullborder) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  Zone = ZoneAt(cursor);
  LastCursor = cursor;
  border_.pressedIndex_ = -1;
  if (Zone == lzObject && border_.hotIndex_ != -1) {
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(host.LayerObjects()[border_.hotIndex_].get());
    if (button != nullptr && button->IsSystemMenuButton()) host.LayerCloseForm();
  } else if (Zone == lzCaption) {
    host.LayerCaptionDoubleClick();
  }
}

}  // namespace qb
