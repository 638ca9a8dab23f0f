// A line of text on its parent. The label keeps the size it is given (no
// automatic sizing); a transparent label draws only its text.
#pragma once

#include "toolkit/controls/TGraphicControl.h"

namespace qb {

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  bool transparent_ = false;
};

}  // namespace qb
