// The base of every skin object record ([SKINOBJECTS] entries): the pieces of
// the frame such as the caption and its buttons. Each field is named after
// the definition key it is read from.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"
#include "skin/data/SkinValues.h"

namespace qb {

class TskSkinData;

class TskDataSkinObject {
 public:
  explicit TskDataSkinObject(std::u16string idName) : IDName(std::move(idName)) {}
  TskDataSkinObject(const TskDataSkinObject&) = delete;
  TskDataSkinObject& operator=(const TskDataSkinObject&) = delete;
  virtual ~TskDataSkinObject() = default;

  // Reads the section named IDName. A malformed rectangle or point throws
  // EConvertError with the fields read so far kept.
  virtual void LoadFromIni(const SkinIni& ini);
  virtual void SaveToIni(SkinIni& ini) const;
  // Builds the images a record derives from the loaded pictures; runs right
  // after LoadFromIni, once the pictures and the layer frame are in place.
  virtual void PrepareImages(const TskSkinData& data);

  std::u16string IDName;
  std::u16string hint;
  std::int32_t activepictureindex = -1;
  std::int32_t activemaskpictureindex = -1;
  bool skinrectinapicture = false;
  RECT skinrect{};
  RECT activeskinrect{};
  RECT inactiveskinrect{};
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
  std::int32_t glowlayerpictureindex = -1;
  std::int32_t glowlayermaskpictureindex = -1;
  std::int32_t glowlayeroffsetx = 0;
  std::int32_t glowlayeroffsety = 0;
  std::int32_t glowlayeralphablendvalue = 255;

 protected:
  // Lists the record's keys in reading order; subclasses add theirs after
  // calling the inherited version.
  virtual void Exchange(SkinIniExchange& x);
};

}  // namespace qb
