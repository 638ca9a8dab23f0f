// The hint window of a skin ([HINTWINDOW]); read with every skin, not drawn
// by the program's own window.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"
#include "skin/data/SkinValues.h"

namespace qb {

class TskDataSkinHintWindow {
 public:
  void LoadFromIni(const SkinIni& ini) { LoadSection(ini, u"HINTWINDOW", *this); }
  void SaveToIni(SkinIni& ini) const { SaveSection(ini, u"HINTWINDOW", *this); }

  std::int32_t windowpictureindex = -1;
  std::int32_t maskpictureindex = -1;
  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};
  RECT clientrect{};
  std::u16string fontname = u"Tahoma";
  std::int32_t fontheight = 13;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;

  // The keys in reading order.
  void Exchange(SkinIniExchange& x) {
    x.Integer(u"windowpictureindex", windowpictureindex, -1);
    x.Integer(u"maskpictureindex", maskpictureindex, -1);
    x.Point(u"lefttoppoint", lefttoppoint);
    x.Point(u"righttoppoint", righttoppoint);
    x.Point(u"leftbottompoint", leftbottompoint);
    x.Point(u"rightbottompoint", rightbottompoint);
    x.Rect(u"clientrect", clientrect);
    x.String(u"fontname", fontname, u"Tahoma");
    x.Integer(u"fontheight", fontheight, 13);
    x.FontStyles(u"fontstyle", fontstyle);
    x.Color(u"fontcolor", fontcolor, 0);
    x.Boolean(u"leftstretch", leftstretch);
    x.Boolean(u"rightstretch", rightstretch);
    x.Boolean(u"topstretch", topstretch);
    x.Boolean(u"bottomstretch", bottomstretch);
    x.Boolean(u"stretcheffect", stretcheffect);
    x.StretchType(u"stretchtype", stretchtype);
  }
};

}  // namespace qb
