// The layer frame of a skin ([LAYERFRAME]): the soft border drawn around the
// form in per-pixel-alpha windows, and the two images with alpha derived
// from its pictures. The skin has a layer frame when pictureindex ≠ −1.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/WinTypes.h"
#include "skin/data/TskBitmap.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskDataSkinLayerFrame {
 public:
  void LoadFromIni(const SkinIni& ini);
  void SaveToIni(SkinIni& ini) const;

  // ActiveImage from pictureindex with maskpictureindex, InactiveImage from
  // the inactive pair: each a copy of the picture whose alpha is the grey
  // level of the mask, colours not premultiplied; absent unless both indices
  // name pictures.
  void BuildImages(const std::vector<std::unique_ptr<TBitmap>>& pictures);
  // What clearing the skin data does to the layer frame: no pictures and no
  // derived images.
  void Clear();

  std::int32_t pictureindex = -1;
  std::int32_t maskpictureindex = -1;
  std::int32_t inactivepictureindex = -1;
  std::int32_t inactivemaskpictureindex = -1;
  POINT lefttoppoint{};
  POINT righttoppoint{};
  POINT leftbottompoint{};
  POINT rightbottompoint{};
  RECT clientrect{};
  std::int32_t alphablendvalue = 255;
  std::int32_t inactivealphablendvalue = 255;
  RECT borderrect{};
  bool hittestenable = false;
  bool fullborder = false;
  std::int32_t hittestsize = 0;
  RECT captionrect{};
  POINT hittestlefttoppoint{};
  POINT hittestrighttoppoint{};
  POINT hittestleftbottompoint{};
  POINT hittestrightbottompoint{};
  RECT buttonsrect{};
  RECT sysmenubuttonrect{};
  bool fullstretch = false;
  std::int32_t rollupformheight = 0;
  std::int32_t buttonstopoffset = 0;
  std::int32_t sysbuttontopoffset = 0;
  std::int32_t blurmaskpictureindex = -1;
  RECT intersectblurmaskrect{};
  RECT excludeblurmaskrect{};
  std::int32_t leftoffset = 0;
  std::int32_t topoffset = 0;
  std::int32_t widthoffset = 0;
  std::int32_t heightoffset = 0;

  std::unique_ptr<TskBitmap> ActiveImage;
  std::unique_ptr<TskBitmap> InactiveImage;

  // The keys in reading order.
  void Exchange(SkinIniExchange& x);
};

}  // namespace qb
