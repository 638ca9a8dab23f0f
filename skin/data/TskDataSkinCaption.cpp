#include "skin/data/TskDataSkinCaption.h"

namespace qb {

void TskDataSkinCaption::Exchange(SkinIniExchange& x) {
  TskDataSkinObject::Exchange(x);
  x.Rect(u"textrect", textrect);
  x.String(u"fontname", fontname, u"Tahoma");
  x.Integer(u"fontheight", fontheight, 13);
  x.FontStyles(u"fontstyle", fontstyle);
  x.Color(u"fontcolor", fontcolor, 0);
  x.Color(u"activefontcolor", activefontcolor, 0);
  x.Alignment(u"alignment", alignment);
  x.Boolean(u"light", light);
  x.Color(u"lightcolor", lightcolor, 0);
  x.Color(u"activelightcolor", activelightcolor, 0);
  x.Boolean(u"shadow", shadow);
  x.Color(u"shadowcolor", shadowcolor, 0);
  x.Color(u"activeshadowcolor", activeshadowcolor, 0);
  x.Rect(u"framerect", framerect);
  x.Rect(u"activeframerect", activeframerect);
  x.Rect(u"frametextrect", frametextrect);
  x.Integer(u"frameleftoffset", frameleftoffset, 0);
  x.Integer(u"framerightoffset", framerightoffset, 0);
  x.Boolean(u"stretcheffect", stretcheffect);
  x.Rect(u"animateskinrect", animateskinrect);
  x.Integer(u"framecount", framecount, 0);
  x.Integer(u"animateinterval", animateinterval, 25);
  x.Boolean(u"inactiveanimation", inactiveanimation);
  x.Boolean(u"fullframe", fullframe);
  x.Boolean(u"vistagloweffect", vistagloweffect);
  x.Boolean(u"vistaglowinactiveeffect", vistaglowinactiveeffect);
  x.Boolean(u"gloweffect", gloweffect);
  x.Boolean(u"glowinactiveeffect", glowinactiveeffect);
  x.Integer(u"glowsize", glowsize, 3);
  x.Color(u"glowcolor", glowcolor, 0);
  x.Color(u"glowactivecolor", glowactivecolor, 0);
  x.Integer(u"glowoffset", glowoffset, 0);
  x.Boolean(u"reflectioneffect", reflectioneffect);
  x.Color(u"reflactioncolor", reflactioncolor, 0);
  x.Color(u"reflactionactivecolor", reflactionactivecolor, 0);
  x.Integer(u"reflectionoffset", reflectionoffset, 0);
  x.Rect(u"dividerrect", dividerrect);
  x.Rect(u"inactivedividerrect", inactivedividerrect);
  x.Boolean(u"dividertransparent", dividertransparent);
  x.Color(u"dividertransparentcolor", dividertransparentcolor, 0);
  x.Integer(u"quickbuttonalphamaskpictureindex", quickbuttonalphamaskpictureindex, -1);
}

}  // namespace qb
