#include "skin/data/TskSkinFormInfo.h"

#include <algorithm>

namespace qb {
namespace {

constexpr std::u16string_view kSection = u"FORMINFO";

void ReplaceIfOnAxis(POINT& hitTest, const POINT& corner) {
  if (hitTest.x == 0 || hitTest.y == 0) hitTest = corner;
}

}  // namespace

void TskSkinFormInfo::LoadFromIni(const SkinIni& ini, std::u16string_view maskName) {
  SkinIniExchange x = SkinIniExchange::Loading(ini, kSection);
  Exchange(x, !maskName.empty());
  PullCornersIntoClient();
}

void TskSkinFormInfo::SaveToIni(SkinIni& ini) const {
  SkinIniExchange x = SkinIniExchange::Saving(ini, kSection);
  // A saving exchange only reads the fields.
  const_cast<TskSkinFormInfo*>(this)->Exchange(x, false);
}

void TskSkinFormInfo::Exchange(SkinIniExchange& x, bool maskNamed) {
  x.Point(u"lefttoppoint", lefttoppoint);
  x.Point(u"righttoppoint", righttoppoint);
  x.Point(u"leftbottompoint", leftbottompoint);
  x.Point(u"rightbottompoint", rightbottompoint);
  x.Rect(u"clientrect", clientrect);
  x.Integer(u"bgpictureindex", bgpictureindex, -1);
  x.Integer(u"mdibgpictureindex", mdibgpictureindex, -1);
  x.Boolean(u"leftstretch", leftstretch);
  x.Boolean(u"rightstretch", rightstretch);
  x.Boolean(u"topstretch", topstretch);
  x.Boolean(u"bottomstretch", bottomstretch);
  x.Boolean(u"stretcheffect", stretcheffect);
  x.StretchType(u"stretchtype", stretchtype);
  x.Boolean(u"mdibgstretcheffect", mdibgstretcheffect);
  x.StretchType(u"mdibgstretchtype", mdibgstretchtype);
  x.Rect(u"maskrectarea", maskrectarea);
  x.Point(u"hittestlefttoppoint", hittestlefttoppoint);
  x.Point(u"hittestrighttoppoint", hittestrighttoppoint);
  x.Point(u"hittestleftbottompoint", hittestleftbottompoint);
  x.Point(u"hittestrightbottompoint", hittestrightbottompoint);
  if (x.IsLoading() && maskNamed) CoverClientWithMask();
  x.Rect(u"buttonsrect", buttonsrect);
  x.Rect(u"captionrect", captionrect);
  x.Integer(u"buttonsoffset", buttonsoffset, 0);
  x.Boolean(u"buttonsinleft", buttonsinleft);
  x.Boolean(u"mainmenupopupup", mainmenupopupup);
  x.Integer(u"borderwidth", borderwidth, 0);
  x.Integer(u"formminwidth", formminwidth, 0);
  x.Integer(u"formminheight", formminheight, 0);
  x.Boolean(u"mditabstransparent", mditabstransparent);
  x.Boolean(u"mainmenubartransparent", mainmenubartransparent);
  x.Boolean(u"autorenderinginactiveimage", autorenderinginactiveimage);
  x.InactiveEffect(u"inactiveeffect", inactiveeffect);
}

void TskSkinFormInfo::CoverClientWithMask() {
  if (IsRectEmpty(maskrectarea)) {
    maskrectarea = clientrect;
  } else {
    maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
    maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
    maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
    maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
  }
  ReplaceIfOnAxis(hittestlefttoppoint, lefttoppoint);
  ReplaceIfOnAxis(hittestrighttoppoint, righttoppoint);
  ReplaceIfOnAxis(hittestleftbottompoint, leftbottompoint);
  ReplaceIfOnAxis(hittestrightbottompoint, rightbottompoint);
}

void TskSkinFormInfo::PullCornersIntoClient() {
  if (rightbottompoint.x == lefttoppoint.x || rightbottompoint.y == lefttoppoint.y) return;
  const RECT& c = clientrect;
  lefttoppoint = {std::max(lefttoppoint.x, c.left), std::max(lefttoppoint.y, c.top)};
  righttoppoint = {std::min(righttoppoint.x, c.right), std::max(righttoppoint.y, c.top)};
  leftbottompoint = {std::max(leftbottompoint.x, c.left), std::min(leftbottompoint.y, c.bottom)};
  rightbottompoint = {std::min(rightbottompoint.x, c.right), std::min(rightbottompoint.y, c.bottom)};
}

}  // namespace qb
