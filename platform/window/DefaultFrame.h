// The frame a window gets when its procedure leaves WM_NCCALCSIZE and
// WM_NCHITTEST to DefWindowProc: a border from its style, and a caption bar
// with WS_CAPTION.
#pragma once

#include "platform/WinTypes.h"

namespace qb {

struct DefaultFrame {
  int border = 0;   // on every side
  int caption = 0;  // below the top border
};

DefaultFrame DefaultFrameFor(DWORD style);

// The hit code of a point given in window coordinates, for a window of the
// given size and client rectangle (window coordinates).
LRESULT DefaultHitTest(DWORD style, LONG width, LONG height, const RECT& client, POINT local);

}  // namespace qb
