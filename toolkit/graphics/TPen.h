// A line description (colour, width, whether to draw) with its drawing
// handle made on demand.
#pragma once

#include "platform/gdi/DrawingObjects.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/Colors.h"

namespace qb {

enum TPenStyle { psSolid, psClear };

class TPen : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

  // The pen handle, owned by the pen.
  HPEN Handle();

  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  GdiHandle<HPEN> handle_;
};

}  // namespace qb
