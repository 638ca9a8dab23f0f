// A fill description (colour and whether to fill at all) with its drawing
// handle made on demand.
#pragma once

#include "platform/gdi/DrawingObjects.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/Colors.h"

namespace qb {

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

  // The brush handle, owned by the brush; a stock hollow brush for bsClear.
  HBRUSH Handle();

  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  GdiHandle<HBRUSH> handle_;
};

}  // namespace qb
