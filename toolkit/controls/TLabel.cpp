#include "toolkit/controls/TLabel.h"

#include "platform/gdi/text/Text.h"

namespace qb {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(TControlStyle{csClickEvents});
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  const RECT area = ClientRect();
  if (!transparent_) canvas.FillRect(area);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextRect(area, 0, 0, Caption());
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED || message.Msg == CM_COLORCHANGED) {
    Invalidate();
    return;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace qb
