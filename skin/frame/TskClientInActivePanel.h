// The cover over an inactive form's client area: a still picture of the
// area as it was when the form lost activation, blurred or faded, laid over
// every child control until the form is active again.
#pragma once

#include "skin/data/TskBitmap.h"
#include "skin/frame/FrameTypes.h"
#include "toolkit/controls/TCustomControl.h"
#include "toolkit/forms/TCustomForm.h"

namespace qb {

class TskClientInActivePanel : public TCustomControl {
 public:
  static constexpr int kBlurRadius = 3;
  // The picture's weight against the erased background (of 255).
  static constexpr BYTE kFadeAlpha = 170;

  // Lays itself over the whole client area of `form`, showing `look` (which
  // has the client area's size).
  TskClientInActivePanel(TCustomForm& form, const TskBitmap& look);

  const TskBitmap& Look() const { return look_; }

 protected:
  void Paint() override;

 private:
  TskBitmap look_;
};

// Turns `snapshot` of the client area into the cover's look: blurred with
// kBlurRadius for skieBlur; blended at kFadeAlpha over `background` (the
// erased client area, the same size) for skieSemiTransparent.
void MakeInActiveClientLook(TskBitmap& snapshot, const TskBitmap& background, TskClientInActiveEffect effect);

}  // namespace qb
