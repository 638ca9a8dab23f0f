#include "skin/data/TskDataSkinCustomControl.h"

namespace qb {

void TskDataSkinCustomControl::Exchange(SkinIniExchange& x) {
  TskDataSkinControl::Exchange(x);
  x.Point(u"lefttoppoint", lefttoppoint);
  x.Point(u"righttoppoint", righttoppoint);
  x.Point(u"leftbottompoint", leftbottompoint);
  x.Point(u"rightbottompoint", rightbottompoint);
  x.Rect(u"clientrect", clientrect);
  x.Boolean(u"leftstretch", leftstretch);
  x.Boolean(u"topstretch", topstretch);
  x.Boolean(u"rightstretch", rightstretch);
  x.Boolean(u"bottomstretch", bottomstretch);
  x.Boolean(u"stretcheffect", stretcheffect);
  x.StretchType(u"stretchtype", stretchtype);
}

}  // namespace qb
