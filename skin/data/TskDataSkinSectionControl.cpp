#include "skin/data/TskDataSkinSectionControl.h"

namespace qb {

void TskDataSkinSectionControl::LoadFromIni(const SkinIni& ini) {
  TskDataSkinControl::LoadFromIni(ini);
  const SkinIni::Section* section = ini.FindSection(IDName);
  Values = section ? section->entries : std::vector<SkinIni::Entry>{};
}

void TskDataSkinSectionControl::SaveToIni(SkinIni& ini) const {
  TskDataSkinControl::SaveToIni(ini);
  for (const SkinIni::Entry& entry : Values) {
    if (!entry.bare) ini.WriteString(IDName, entry.key, entry.value);
  }
}

}  // namespace qb
