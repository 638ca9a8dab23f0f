#include "skin/frame/CaptionTextLayout.h"

#include "skin/frame/FrameRects.h"

namespace qb {

POINT CaptionTextOrigin(const RECT& r, int textWidth, int textHeight, TAlignment alignment, bool centreForced,
                        int fontHeight) {
  int y = r.top + Height(r) / 2 - textHeight / 2;
  int x = r.left + Width(r) / 2 - textWidth / 2;
  if (!centreForced && alignment == TAlignment::taLeftJustify) x = r.left;
  if (!centreForced && alignment == TAlignment::taRightJustify) x = r.right - textWidth;
  if (fontHeight % 2 != 0) y -= 1;
  return POINT{x, y};
}

RECT CaptionTextRect(const RECT& textrect, const RECT& skinrect, const RECT& framerect, const RECT& frametextrect,
                     int objectWidth, int quickButtonsWidth) {
  if (IsEmpty(textrect)) return RECT{};
  RECT r = textrect;
  r.right = objectWidth + textrect.right - Width(skinrect);
  r.left += quickButtonsWidth;
  if (!IsEmpty(framerect)) {
    r = Offset(r, frametextrect.left, frametextrect.top);
    r.right += frametextrect.right - Width(framerect);
  }
  return r;
}

}  // namespace qb
