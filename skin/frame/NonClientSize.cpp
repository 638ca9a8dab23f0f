#include "skin/frame/NonClientSize.h"

#include <algorithm>

namespace qb {

RECT FrameClientRect(const RECT& window, const TskSkinFormInfo* info, int pictureWidth, int pictureHeight,
                     bool clientIsWindow, int defaultCaptionHeight) {
  RECT r = window;
  if (info == nullptr) {
    r = RECT{window.left + 3, window.top + defaultCaptionHeight + 3, window.right - 3, window.bottom - 3};
  } else if (!clientIsWindow) {
    const RECT& c = info->clientrect;
    r = RECT{window.left + c.left, window.top + c.top, window.right + (c.right - pictureWidth),
             window.bottom + (c.bottom - pictureHeight)};
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

}  // namespace qb
