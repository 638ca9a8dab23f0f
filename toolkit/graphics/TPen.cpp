#include "toolkit/graphics/TPen.h"

namespace qb {

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() {
  if (!handle_) {
    const bool hidden = style_ == psClear || color_ == clNone;
    handle_.reset(CreatePen(hidden ? PS_NULL : PS_SOLID, width_, hidden ? 0 : ColorToRGB(color_)));
  }
  return handle_.get();
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    if (pen == this) return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TPen::Changed() {
  if (OnChange) OnChange(this);
  handle_.reset();
}

}  // namespace qb
