#include "skin/frame/TskUserObject.h"

#include "skin/frame/TskSkinForm.h"

namespace qb {

void TskUserObject::Draw(TCanvas& canvas, bool) {
  if (Owner().OnPaintEvent) Owner().OnPaintEvent(IDName, canvas, ObjectRect);
}

}  // namespace qb
