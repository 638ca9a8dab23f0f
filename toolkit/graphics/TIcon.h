// An icon: owns an icon handle (a 32-bit picture with straight alpha).
// Forms and the application hold one; the window frame draws it.
#pragma once

#include <memory>

#include "platform/gdi/Icon.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TPersistent.h"

namespace qb {

class TIcon : public TPersistent {
 public:
  int Width() const;
  int Height() const;
  bool Empty() const { return handle_ == nullptr; }

  // The icon handle, owned by the icon; null when empty.
  HICON Handle() const { return handle_.get(); }
  // Takes ownership of `icon` (null empties); the previous icon is destroyed.
  void SetHandle(HICON icon);

  // Copies another TIcon's picture; null empties.
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  struct Destroy {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };
  std::unique_ptr<HICON__, Destroy> handle_;
};

}  // namespace qb
