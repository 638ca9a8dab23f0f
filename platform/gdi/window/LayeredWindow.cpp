#include "platform/gdi/window/LayeredWindow.h"

#include <algorithm>

#include "platform/backend/Backend.h"
#include "platform/window/PaintTarget.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowStyles.h"

namespace {

qb::LayeredState* LayeredStateOf(HWND hwnd) {
  if (!IsWindow(hwnd) || !(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return nullptr;
  return qb::GetLayeredState(hwnd);
}

}  // namespace

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePosition, COLORREF key, const BLENDFUNCTION* blend, DWORD flags) {
  qb::LayeredState* state = LayeredStateOf(hwnd);
  if (!state) return FALSE;
  if (blend && blend->BlendOp != AC_SRC_OVER) return FALSE;
  RECT rect;
  GetWindowRect(hwnd, &rect);
  const SIZE extent = size ? *size : SIZE{rect.right - rect.left, rect.bottom - rect.top};
  if (extent.cx < 0 || extent.cy < 0) return FALSE;

  if (source) {
    qb::DrawTarget from;
    if (!source->Target(from)) return FALSE;
    const POINT at = qb::ToDevice(source->state, sourcePosition ? *sourcePosition : POINT{});
    const int x = at.x + from.origin.x, y = at.y + from.origin.y;
    if (x < 0 || y < 0 || x + extent.cx > from.surface->Width() || y + extent.cy > from.surface->Height()) return FALSE;
    state->content.Resize(extent.cx, extent.cy);
    for (int row = 0; row < extent.cy; ++row) {
      const std::uint32_t* in = from.surface->Row(y + row) + x;
      std::uint32_t* out = state->content.Row(row);
      if (flags & ULW_ALPHA) {
        std::copy(in, in + extent.cx, out);
      } else {
        for (int i = 0; i < extent.cx; ++i) out[i] = in[i] | 0xFF000000u;
      }
    }
    state->hasContent = true;
    state->hasAttributes = false;
  }
  if (!state->hasContent) return FALSE;
  state->constantAlpha = (blend && (flags & ULW_ALPHA)) ? blend->SourceConstantAlpha : 255;
  state->colorKey = key;
  state->attributeFlags = (flags & ULW_COLORKEY) ? LWA_COLORKEY : 0;

  if (position || size) {
    const POINT to = position ? *position : POINT{rect.left, rect.top};
    UINT how = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!position) how |= SWP_NOMOVE;
    if (!size) how |= SWP_NOSIZE;
    SetWindowPos(hwnd, nullptr, to.x, to.y, extent.cx, extent.cy, how);
  }
  qb::PresentWindow(hwnd);
  return TRUE;
}

bool qb::PerPixelAlphaShown() { return qb::CurrentBackend().ComposesAlpha(); }

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  qb::LayeredState* state = LayeredStateOf(hwnd);
  if (!state) return FALSE;
  state->hasContent = false;
  state->content = qb::Surface();
  state->hasAttributes = true;
  state->colorKey = key;
  state->constantAlpha = alpha;
  state->attributeFlags = flags & (LWA_ALPHA | LWA_COLORKEY);
  qb::PresentWindow(hwnd);
  return TRUE;
}
