#include "skin/data/TskDataSkinButton.h"

#include "skin/data/SkinSurfaceCopy.h"
#include "skin/data/TskSkinData.h"

namespace qb {

void TskDataSkinButton::Exchange(SkinIniExchange& x) {
  TskDataSkinObject::Exchange(x);
  x.Rect(u"downrect", downrect);
  x.Rect(u"disableskinrsect", disableskinrsect);
  x.Integer(u"alphamaskpictureindex", alphamaskpictureindex, -1);
  x.Integer(u"alphamaskactivepictureindex", alphamaskactivepictureindex, -1);
  x.Integer(u"alphamaskinactivepictureindex", alphamaskinactivepictureindex, -1);
}

bool TskDataSkinButton::LayerFrameUsesImages(const TskSkinData& data) {
  const TskDataSkinLayerFrame& frame = data.LayerFrame();
  return frame.pictureindex != -1 && frame.fullborder;
}

void TskDataSkinButton::PrepareImages(const TskSkinData& data) {
  AlphaImage.reset();
  ActiveAlphaImage.reset();
  DownAlphaImage.reset();
  InactiveAlphaImage.reset();
  if (!LayerFrameUsesImages(data)) return;
  AlphaImage = BuildImage(data, skinrect, alphamaskpictureindex);
  ActiveAlphaImage = BuildImage(data, activeskinrect, alphamaskactivepictureindex);
  DownAlphaImage = BuildImage(data, downrect, alphamaskactivepictureindex);
  InactiveAlphaImage = BuildImage(data, inactiveskinrect, alphamaskinactivepictureindex);
}

std::unique_ptr<TskBitmap> TskDataSkinButton::BuildImage(const TskSkinData& data, const RECT& rect,
                                                         std::int32_t maskIndex) const {
  const TBitmap* picture = data.ActivePicture(activepictureindex);
  if (IsRectEmpty(rect) || picture == nullptr) return nullptr;
  auto image = CopyPictureToSurface(*picture, rect);
  if (const TBitmap* mask = data.ActivePicture(maskIndex)) {
    image->MaskToPremultipliedAlpha(*mask);
  } else {
    image->KeyTransparent = true;
    image->SetAlpha(255);
  }
  return image;
}

}  // namespace qb
