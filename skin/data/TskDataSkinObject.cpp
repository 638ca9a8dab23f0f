#include "skin/data/TskDataSkinObject.h"

namespace qb {

void TskDataSkinObject::LoadFromIni(const SkinIni& ini) {
  SkinIniExchange x = SkinIniExchange::Loading(ini, IDName);
  Exchange(x);
}

void TskDataSkinObject::SaveToIni(SkinIni& ini) const {
  SkinIniExchange x = SkinIniExchange::Saving(ini, IDName);
  // A saving exchange only reads the fields.
  const_cast<TskDataSkinObject*>(this)->Exchange(x);
}

void TskDataSkinObject::PrepareImages(const TskSkinData&) {}

void TskDataSkinObject::Exchange(SkinIniExchange& x) {
  x.String(u"hint", hint, u"");
  x.Integer(u"activepictureindex", activepictureindex, -1);
  x.Integer(u"activemaskpictureindex", activemaskpictureindex, -1);
  x.Boolean(u"skinrectinapicture", skinrectinapicture);
  x.Rect(u"skinrect", skinrect);
  x.Rect(u"activeskinrect", activeskinrect);
  x.Rect(u"inactiveskinrect", inactiveskinrect);
  x.Boolean(u"morphing", morphing);
  x.MorphKind(u"morphkind", morphkind);
  x.Integer(u"glowlayerpictureindex", glowlayerpictureindex, -1);
  x.Integer(u"glowlayermaskpictureindex", glowlayermaskpictureindex, -1);
  x.Integer(u"glowlayeroffsetx", glowlayeroffsetx, 0);
  x.Integer(u"glowlayeroffsety", glowlayeroffsety, 0);
  x.Integer(u"glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

}  // namespace qb
