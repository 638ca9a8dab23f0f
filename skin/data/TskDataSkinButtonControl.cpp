#include "skin/data/TskDataSkinButtonControl.h"

namespace qb {

void TskDataSkinButtonControl::Exchange(SkinIniExchange& x) {
  TskDataSkinCustomControl::Exchange(x);
  x.String(u"fontname", fontname, u"Tahoma");
  x.Integer(u"fontheight", fontheight, 13);
  x.FontStyles(u"fontstyle", fontstyle);
  x.Color(u"fontcolor", fontcolor, 0);
  x.Color(u"activefontcolor", activefontcolor, 0);
  x.Color(u"downfontcolor", downfontcolor, 0);
  x.Color(u"disabledfontcolor", disabledfontcolor, 0);
  x.Rect(u"activeskinrect", activeskinrect);
  x.Rect(u"downskinrect", downskinrect);
  x.Rect(u"focusedskinrect", focusedskinrect);
  x.Rect(u"disabledskinrect", disabledskinrect);
  x.Boolean(u"morphing", morphing);
  x.MorphKind(u"morphkind", morphkind);
  x.Rect(u"animateskinrect", animateskinrect);
  x.Integer(u"framecount", framecount, 0);
  x.Integer(u"animateinterval", animateinterval, 25);
  x.Boolean(u"showfocus", showfocus);
  x.Rect(u"menumarkerflatrect", menumarkerflatrect);
  x.Rect(u"menumarkerrect", menumarkerrect);
  x.Rect(u"menumarkeractiverect", menumarkeractiverect);
  x.Rect(u"menumarkerdownrect", menumarkerdownrect);
  x.Color(u"menumarkertransparentcolor", menumarkertransparentcolor, 0);
  x.Integer(u"glowlayerpictureindex", glowlayerpictureindex, -1);
  x.Integer(u"glowlayermaskpictureindex", glowlayermaskpictureindex, -1);
  x.Integer(u"glowlayeroffsetleft", glowlayeroffsetleft, 0);
  x.Integer(u"glowlayeroffsettop", glowlayeroffsettop, 0);
  x.Integer(u"glowlayeroffsetright", glowlayeroffsetright, 0);
  x.Integer(u"glowlayeroffsetbottom", glowlayeroffsetbottom, 0);
  x.Integer(u"glowlayershowoffsetx", glowlayershowoffsetx, 0);
  x.Integer(u"glowlayershowoffsety", glowlayershowoffsety, 0);
  x.Integer(u"glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

}  // namespace qb
