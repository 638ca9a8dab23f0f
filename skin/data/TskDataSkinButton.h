// A skin object of type "button": a piece with normal, active, down, disabled
// and inactive looks, and the alpha-masked images prepared from them for a
// frame drawn in layered windows.
#pragma once

#include <memory>

#include "skin/data/TskBitmap.h"
#include "skin/data/TskDataSkinObject.h"

namespace qb {

class TskDataSkinButton : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;

  // With a layer frame that has a picture and draws the full border, builds
  // the alpha images from the looks; otherwise frees them.
  void PrepareImages(const TskSkinData& data) override;

  RECT downrect{};
  RECT disableskinrsect{};  // the key is spelled so in every skin
  std::int32_t alphamaskpictureindex = -1;
  std::int32_t alphamaskactivepictureindex = -1;
  std::int32_t alphamaskinactivepictureindex = -1;

  std::unique_ptr<TskBitmap> AlphaImage;
  std::unique_ptr<TskBitmap> ActiveAlphaImage;
  std::unique_ptr<TskBitmap> DownAlphaImage;
  std::unique_ptr<TskBitmap> InactiveAlphaImage;

 protected:
  void Exchange(SkinIniExchange& x) override;
  static bool LayerFrameUsesImages(const TskSkinData& data);
  // The part `rect` of the object's picture with the grey levels of mask
  // picture `maskIndex` as premultiplied alpha, or opaque and colour-keyed
  // without a usable mask; nothing when the rectangle is empty or the
  // object has no usable picture.
  std::unique_ptr<TskBitmap> BuildImage(const TskSkinData& data, const RECT& rect, std::int32_t maskIndex) const;
};

}  // namespace qb
