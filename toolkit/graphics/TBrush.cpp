#include "toolkit/graphics/TBrush.h"

namespace qb {

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (style_ == bsClear || color_ == clNone) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.get();
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    if (brush == this) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TBrush::Changed() {
  if (OnChange) OnChange(this);
  handle_.reset();
}

}  // namespace qb
