#include "skin/frame/FrameSizeLimits.h"

namespace qb {

namespace {

// The frame is this high when rolled up or minimized inside the full-border
// layered frame: the layered windows draw the caption.
constexpr int kFullBorderMinHeight = 10;

}  // namespace

int FrameSizeLimits::GetMinWidth() const {
  if (!Skinned) return MinWidth > 0 ? MinWidth : 120;
  if (PictureWidth < MinWidth && !Minimized) return MinWidth;
  if (FormMinWidth > 0) return FormMinWidth >= MinWidth || Minimized ? FormMinWidth : MinWidth;
  return PictureWidth;
}

int FrameSizeLimits::GetMinHeight() const {
  const bool small = RolledUp || Minimized;
  if (!Skinned) return DefaultCaptionHeight + 6 >= MinHeight || small ? DefaultCaptionHeight + 6 : MinHeight;
  const int frameHeight = PictureHeight - ClientRectHeight;
  if (FullBorder) return frameHeight >= MinHeight || small ? kFullBorderMinHeight : MinHeight;
  const int candidate = FormMinHeight != 0 ? FormMinHeight : frameHeight;
  return candidate >= MinHeight || small ? candidate : MinHeight;
}

int FrameSizeLimits::GetMaxWidth(const RECT& limit) const {
  return MaxWidth != 0 ? MaxWidth : limit.right - limit.left;
}

int FrameSizeLimits::GetMaxHeight(const RECT& limit) const {
  return MaxHeight != 0 ? MaxHeight : limit.bottom - limit.top;
}

}  // namespace qb
