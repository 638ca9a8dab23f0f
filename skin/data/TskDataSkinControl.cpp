#include "skin/data/TskDataSkinControl.h"

namespace qb {

void TskDataSkinControl::LoadFromIni(const SkinIni& ini) {
  SkinIniExchange x = SkinIniExchange::Loading(ini, IDName);
  Exchange(x);
}

void TskDataSkinControl::SaveToIni(SkinIni& ini) const {
  SkinIniExchange x = SkinIniExchange::Saving(ini, IDName);
  // A saving exchange only reads the fields.
  const_cast<TskDataSkinControl*>(this)->Exchange(x);
}

void TskDataSkinControl::Exchange(SkinIniExchange& x) {
  x.Integer(u"pictureindex", pictureindex, -1);
  x.Integer(u"maskpictureindex", maskpictureindex, -1);
  x.Rect(u"skinrect", skinrect);
}

}  // namespace qb
