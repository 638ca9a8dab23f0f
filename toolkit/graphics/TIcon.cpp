#include "toolkit/graphics/TIcon.h"

namespace qb {

int TIcon::Width() const { return handle_ ? handle_->picture.Width() : 0; }

int TIcon::Height() const { return handle_ ? handle_->picture.Height() : 0; }

void TIcon::SetHandle(HICON icon) {
  if (icon == handle_.get()) return;
  handle_.reset(icon);
  if (OnChange) OnChange(this);
}

void TIcon::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetHandle(nullptr);
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    if (icon != this) SetHandle(icon->Empty() ? nullptr : CopyImage(icon->Handle(), IMAGE_ICON, 0, 0, 0));
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace qb
