// The skin's colours ([SKINCOLORS]) for text and faces that the pictures do
// not provide. A new record holds 0 everywhere; clearing the skin data sets
// the system colours, which a load then keeps for every missing key.
#pragma once

#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"
#include "skin/data/SkinValues.h"

namespace qb {

class TskSkinColors {
 public:
  void LoadFromIni(const SkinIni& ini) { LoadSection(ini, u"SKINCOLORS", *this); }
  void SaveToIni(SkinIni& ini) const { SaveSection(ini, u"SKINCOLORS", *this); }

  // The system colours.
  void SetDefaults() {
    cbtnface = clBtnFace;
    cbtntext = clBtnText;
    cwindow = clWindow;
    cwindowtext = clWindowText;
    chighlight = clHighlight;
    chighlighttext = clHighlightText;
    cbtnhighlight = clBtnHighlight;
    cbtnshadow = clBtnShadow;
  }

  TColor cbtnface = 0;
  TColor cbtntext = 0;
  TColor cwindow = 0;
  TColor cwindowtext = 0;
  TColor chighlight = 0;
  TColor chighlighttext = 0;
  TColor cbtnhighlight = 0;
  TColor cbtnshadow = 0;

  // The keys in reading order.
  void Exchange(SkinIniExchange& x) {
    x.Color(u"cbtnface", cbtnface, clBtnFace);
    x.Color(u"cbtntext", cbtntext, clBtnText);
    x.Color(u"cwindow", cwindow, clWindow);
    x.Color(u"cwindowtext", cwindowtext, clWindowText);
    x.Color(u"chighlight", chighlight, clHighlight);
    x.Color(u"chighlighttext", chighlighttext, clHighlightText);
    x.Color(u"cbtnhighlight", cbtnhighlight, clBtnHighlight);
    x.Color(u"cbtnshadow", cbtnshadow, clBtnShadow);
  }
};

}  // namespace qb
