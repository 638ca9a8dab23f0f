// An icon picture: a 32-bit image whose alpha channel is the icon's mask.
// Forms and the application hold one; the window frame draws it.
#pragma once

#include "platform/gdi/Dib.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TPersistent.h"

namespace qb {

class TIcon : public TPersistent {
 public:
  int Width() const { return image_.width; }
  int Height() const { return image_.height; }
  bool Empty() const { return image_.Empty(); }

  // 32 bits per pixel, rows top-down, alpha not premultiplied.
  const Dib& Image() const { return image_; }
  // Takes a 32-bit image (checked).
  void SetImage(Dib image);

  // Copies another TIcon; null empties.
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  Dib image_;
};

}  // namespace qb
