// The base of every skin control record ([SKINCONTROLS] entries). All
// rectangles of a control lie in ActivePictures[pictureindex].
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniExchange.h"

namespace qb {

class TskDataSkinControl {
 public:
  explicit TskDataSkinControl(std::u16string idName) : IDName(std::move(idName)) {}
  TskDataSkinControl(const TskDataSkinControl&) = delete;
  TskDataSkinControl& operator=(const TskDataSkinControl&) = delete;
  virtual ~TskDataSkinControl() = default;

  // Reads the section named IDName. A malformed rectangle or point throws
  // EConvertError with the fields read so far kept.
  virtual void LoadFromIni(const SkinIni& ini);
  virtual void SaveToIni(SkinIni& ini) const;

  std::u16string IDName;
  std::int32_t pictureindex = -1;
  std::int32_t maskpictureindex = -1;
  RECT skinrect{};

 protected:
  // Lists the record's keys in reading order; subclasses add theirs after
  // calling the inherited version.
  virtual void Exchange(SkinIniExchange& x);
};

}  // namespace qb
