#include "skin/data/TskDataSkinGaugeControl.h"

namespace qb {

void TskDataSkinGaugeControl::Exchange(SkinIniExchange& x) {
  TskDataSkinCustomControl::Exchange(x);
  x.Rect(u"progressarea", progressarea);
  x.Rect(u"progressrect", progressrect);
  x.Integer(u"beginoffset", beginoffset, 0);
  x.Integer(u"endoffset", endoffset, 0);
  x.Boolean(u"vertical", vertical);
  x.String(u"fontname", fontname, u"Tahoma");
  x.Integer(u"fontheight", fontheight, 13);
  x.FontStyles(u"fontstyle", fontstyle);
  x.Color(u"fontcolor", fontcolor, 0);
  x.Boolean(u"progresstransparent", progresstransparent);
  x.Color(u"progresstransparentcolor", progresstransparentcolor, 0);
  x.Boolean(u"progressstretch", progressstretch);
  x.Rect(u"animationskinrect", animationskinrect);
  x.Integer(u"animationcountframes", animationcountframes, 0);
  x.Integer(u"animationtimerinterval", animationtimerinterval, 0);
  x.Rect(u"progressanimationskinrect", progressanimationskinrect);
  x.Integer(u"progressanimationcountframes", progressanimationcountframes, 0);
  x.Integer(u"progressanimationtimerinterval", progressanimationtimerinterval, 0);
  x.Integer(u"animationbeginoffset", animationbeginoffset, 0);
  x.Integer(u"animationendoffset", animationendoffset, 0);
}

}  // namespace qb
