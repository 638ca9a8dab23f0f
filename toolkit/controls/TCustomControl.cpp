#include "toolkit/controls/TCustomControl.h"

namespace qb {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(&Font());
  canvas_.Brush().SetColor(Color());
  canvas_.Brush().SetStyle(bsSolid);
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace qb
