// The glow window of a skinned button: a borderless popup with per-pixel
// alpha that lets pointer input through, never activates, and fades its
// picture in. At most one window exists; every Show makes a new one and
// every Hide destroys it.
//
// Fading: the window starts at constant opacity 0 and gains opacity div 10
// every 25 ms until it reaches the opacity given to Show (an opacity below 10
// never gains any).
#pragma once

#include <memory>

#include "platform/window/WindowApi.h"
#include "skin/data/TskBitmap.h"
#include "toolkit/app/TTimer.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskLayerManager : public TComponent {
 public:
  static constexpr UINT kFadeInterval = 25;

  explicit TskLayerManager(TComponent* owner);
  ~TskLayerManager() override;

  // Shows `picture`, its alpha taken from `mask`, at screen position (x, y)
  // and starts fading it in towards `opacity` (0..255). A frame already
  // shown is replaced. Nothing is shown while the display does not blend
  // per-pixel alpha (PerPixelAlphaShown).
  void Show(int x, int y, BYTE opacity, const TBitmap& mask, const TBitmap& picture);
  // Stops the fade and destroys the window.
  void Hide();

  bool Visible() const { return visible_; }
  // Placed above all non-topmost windows at the next Show.
  bool Topmost = true;

  // The glow window, or null; its current constant opacity.
  HWND Window() const { return window_.Get(); }
  BYTE Opacity() const { return BYTE(start_); }

 private:
  void FadeTick();
  void Present();

  OwnedWindow window_;
  std::unique_ptr<TskBitmap> surface_;
  std::unique_ptr<TTimer> fadeTimer_;
  bool visible_ = false;
  int start_ = 0;
  int end_ = 0;
  int step_ = 0;
};

}  // namespace qb
