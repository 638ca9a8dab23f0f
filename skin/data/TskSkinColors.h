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

  // The system colours, as 0xFF000000 + the system colour index.
  static constexpr TColor kBtnfaceDefault = 0xFF00000F;  // button face
  static constexpr TColor kBtntextDefault = 0xFF000012;  // button text
  static constexpr TColor kWindowDefault = 0xFF000005;  // window
  static constexpr TColor kWindowtextDefault = 0xFF000008;  // window text
  static constexpr TColor kHighlightDefault = 0xFF00000D;  // highlight
  static constexpr TColor kHighlighttextDefault = 0xFF00000E;  // highlight text
  static constexpr TColor kBtnhighlightDefault = 0xFF000014;  // button highlight
  static constexpr TColor kBtnshadowDefault = 0xFF000010;  // button shadow

  void SetDefaults() {
    cbtnface = kBtnfaceDefault;
    cbtntext = kBtntextDefault;
    cwindow = kWindowDefault;
    cwindowtext = kWindowtextDefault;
    chighlight = kHighlightDefault;
    chighlighttext = kHighlighttextDefault;
    cbtnhighlight = kBtnhighlightDefault;
    cbtnshadow = kBtnshadowDefault;
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
    x.Color(u"cbtnface", cbtnface, kBtnfaceDefault);
    x.Color(u"cbtntext", cbtntext, kBtntextDefault);
    x.Color(u"cwindow", cwindow, kWindowDefault);
    x.Color(u"cwindowtext", cwindowtext, kWindowtextDefault);
    x.Color(u"chighlight", chighlight, kHighlightDefault);
    x.Color(u"chighlighttext", chighlighttext, kHighlighttextDefault);
    x.Color(u"cbtnhighlight", cbtnhighlight, kBtnhighlightDefault);
    x.Color(u"cbtnshadow", cbtnshadow, kBtnshadowDefault);
  }
};

}  // namespace qb
