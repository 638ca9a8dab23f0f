#include "platform/window/DefaultFrame.h"

#include "platform/window/Messages.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowStyles.h"

namespace qb {

DefaultFrame DefaultFrameFor(DWORD style) {
  DefaultFrame frame;
  if (style & WS_THICKFRAME) {
    frame.border = GetSystemMetrics(SM_CXFRAME);
  } else if (style & WS_DLGFRAME) {
    frame.border = GetSystemMetrics(SM_CXFIXEDFRAME);
  } else if (style & WS_BORDER) {
    frame.border = GetSystemMetrics(SM_CXBORDER);
  }
  if ((style & WS_CAPTION) == WS_CAPTION) frame.caption = GetSystemMetrics(SM_CYCAPTION);
  return frame;
}

LRESULT DefaultHitTest(DWORD style, LONG width, LONG height, const RECT& client, POINT p) {
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
  if (p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom) return HTCLIENT;
  const DefaultFrame frame = DefaultFrameFor(style);
  if (style & WS_THICKFRAME) {
    const bool left = p.x < frame.border;
    const bool right = p.x >= width - frame.border;
    const bool top = p.y < frame.border;
    const bool bottom = p.y >= height - frame.border;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  }
  if (frame.caption > 0 && p.y >= frame.border && p.y < frame.border + frame.caption) return HTCAPTION;
  return HTBORDER;
}

}  // namespace qb
