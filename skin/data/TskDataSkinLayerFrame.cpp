#include "skin/data/TskDataSkinLayerFrame.h"

#include "skin/data/SkinSurfaceCopy.h"

namespace qb {
namespace {

constexpr std::u16string_view kSection = u"LAYERFRAME";

const TBitmap* PictureAt(const std::vector<std::unique_ptr<TBitmap>>& pictures, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= pictures.size()) return nullptr;
  return pictures[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<TskBitmap> ImageWithMask(const std::vector<std::unique_ptr<TBitmap>>& pictures,
                                         std::int32_t pictureIndex, std::int32_t maskIndex) {
  const TBitmap* picture = PictureAt(pictures, pictureIndex);
  const TBitmap* mask = PictureAt(pictures, maskIndex);
  if (picture == nullptr || mask == nullptr) return nullptr;
  auto image = CopyPictureToSurface(*picture, RECT{0, 0, picture->Width(), picture->Height()});
  image->MaskToAlpha(*mask);
  image->UpdatePartialAlpha();
  return image;
}

}  // namespace

void TskDataSkinLayerFrame::LoadFromIni(const SkinIni& ini) { LoadSection(ini, kSection, *this); }

void TskDataSkinLayerFrame::SaveToIni(SkinIni& ini) const { SaveSection(ini, kSection, *this); }

void TskDataSkinLayerFrame::BuildImages(const std::vector<std::unique_ptr<TBitmap>>& pictures) {
  ActiveImage = ImageWithMask(pictures, pictureindex, maskpictureindex);
  InactiveImage = ImageWithMask(pictures, inactivepictureindex, inactivemaskpictureindex);
}

void TskDataSkinLayerFrame::Clear() {
  pictureindex = -1;
  inactivepictureindex = -1;
  ActiveImage.reset();
  InactiveImage.reset();
}

void TskDataSkinLayerFrame::Exchange(SkinIniExchange& x) {
  x.Integer(u"pictureindex", pictureindex, -1);
  x.Integer(u"maskpictureindex", maskpictureindex, -1);
  x.Integer(u"inactivepictureindex", inactivepictureindex, -1);
  x.Integer(u"inactivemaskpictureindex", inactivemaskpictureindex, -1);
  x.Point(u"lefttoppoint", lefttoppoint);
  x.Point(u"righttoppoint", righttoppoint);
  x.Point(u"leftbottompoint", leftbottompoint);
  x.Point(u"rightbottompoint", rightbottompoint);
  x.Rect(u"clientrect", clientrect);
  x.Integer(u"alphablendvalue", alphablendvalue, 255);
  x.Integer(u"inactivealphablendvalue", inactivealphablendvalue, 255);
  x.Rect(u"borderrect", borderrect);
  x.Boolean(u"hittestenable", hittestenable);
  x.Boolean(u"fullborder", fullborder);
  x.Integer(u"hittestsize", hittestsize, 0);
  x.Rect(u"captionrect", captionrect);
  x.Point(u"hittestlefttoppoint", hittestlefttoppoint);
  x.Point(u"hittestrighttoppoint", hittestrighttoppoint);
  x.Point(u"hittestleftbottompoint", hittestleftbottompoint);
  x.Point(u"hittestrightbottompoint", hittestrightbottompoint);
  x.Rect(u"buttonsrect", buttonsrect);
  x.Rect(u"sysmenubuttonrect", sysmenubuttonrect);
  x.Boolean(u"fullstretch", fullstretch);
  x.Integer(u"rollupformheight", rollupformheight, 0);
  x.Integer(u"buttonstopoffset", buttonstopoffset, 0);
  x.Integer(u"sysbuttontopoffset", sysbuttontopoffset, 0);
  x.Integer(u"blurmaskpictureindex", blurmaskpictureindex, -1);
  x.Rect(u"intersectblurmaskrect", intersectblurmaskrect);
  x.Rect(u"excludeblurmaskrect", excludeblurmaskrect);
  x.Integer(u"leftoffset", leftoffset, 0);
  x.Integer(u"topoffset", topoffset, 0);
  x.Integer(u"widthoffset", widthoffset, 0);
  x.Integer(u"heightoffset", heightoffset, 0);
}

}  // namespace qb
