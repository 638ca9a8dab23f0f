// A skin control of a type the program's window never binds to (every type
// but "button", "menubutton" and "gauge"): the common control keys, and the
// whole section kept as written.
#pragma once

#include <vector>

#include "skin/data/TskDataSkinControl.h"

namespace qb {

class TskDataSkinSectionControl : public TskDataSkinControl {
 public:
  TskDataSkinSectionControl(std::u16string idName, std::u16string typeName)
      : TskDataSkinControl(std::move(idName)), TypeName(std::move(typeName)) {}

  void LoadFromIni(const SkinIni& ini) override;
  void SaveToIni(SkinIni& ini) const override;

  std::u16string TypeName;             // the type text of the entry
  std::vector<SkinIni::Entry> Values;  // the section's lines, in order
};

}  // namespace qb
