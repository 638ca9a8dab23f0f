#include "toolkit/controls/TGraphicControl.h"

namespace qb {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam != 0) {
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    canvas_.Font().Assign(&Font());
    canvas_.Brush().SetColor(Color());
    canvas_.Brush().SetStyle(bsSolid);
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}

}  // namespace qb
