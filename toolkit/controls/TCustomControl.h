// A windowed control that paints itself: Paint draws on the control's
// canvas during each paint of its window (and into the context of a
// WM_PAINT whose wParam carries one, for a copy of the control).
#pragma once

#include "toolkit/controls/TWinControl.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

}  // namespace qb
