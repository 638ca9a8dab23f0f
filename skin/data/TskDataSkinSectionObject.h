// A skin object of a type whose own keys the program never reads ("animate",
// "userobject", "menuitem", "mainmenubaritem"): the common object keys, and
// the whole section kept as written.
#pragma once

#include <vector>

#include "skin/data/TskDataSkinObject.h"

namespace qb {

class TskDataSkinSectionObject : public TskDataSkinObject {
 public:
  TskDataSkinSectionObject(std::u16string idName, std::u16string typeName)
      : TskDataSkinObject(std::move(idName)), TypeName(std::move(typeName)) {}

  void LoadFromIni(const SkinIni& ini) override;
  void SaveToIni(SkinIni& ini) const override;

  std::u16string TypeName;            // the type text of the entry
  std::vector<SkinIni::Entry> Values;  // the section's lines, in order
};

}  // namespace qb
