// A frame object of type "userobject": the program paints it through the
// frame component's OnPaintEvent.
#pragma once

#include "skin/frame/TskActiveSkinObject.h"

namespace qb {

class TskUserObject : public TskActiveSkinObject {
 public:
  using TskActiveSkinObject::TskActiveSkinObject;
  void Draw(TCanvas& canvas, bool update) override;
};

}  // namespace qb
