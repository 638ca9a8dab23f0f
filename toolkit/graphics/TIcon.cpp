#include "toolkit/graphics/TIcon.h"

#include "platform/Check.h"

namespace qb {

void TIcon::SetImage(Dib image) {
  QB_CHECK(image.Empty() || image.bitsPerPixel == 32);
  image_ = std::move(image);
  if (OnChange) OnChange(this);
}

void TIcon::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetImage(Dib{});
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    if (icon != this) SetImage(icon->image_);
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace qb
