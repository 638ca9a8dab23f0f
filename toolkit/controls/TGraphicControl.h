// A control without a window: its parent paints it (Paint, with the canvas
// drawing into the parent's context at the control's place) and passes it
// the pointer messages of its area.
#pragma once

#include "toolkit/controls/TControl.h"
#include "toolkit/graphics/TCanvas.h"

namespace qb {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);

  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas canvas_;
};

}  // namespace qb
