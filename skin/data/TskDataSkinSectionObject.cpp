#include "skin/data/TskDataSkinSectionObject.h"

namespace qb {

void TskDataSkinSectionObject::LoadFromIni(const SkinIni& ini) {
  TskDataSkinObject::LoadFromIni(ini);
  const SkinIni::Section* section = ini.FindSection(IDName);
  Values = section ? section->entries : std::vector<SkinIni::Entry>{};
}

void TskDataSkinSectionObject::SaveToIni(SkinIni& ini) const {
  TskDataSkinObject::SaveToIni(ini);
  for (const SkinIni::Entry& entry : Values) {
    if (!entry.bare) ini.WriteString(IDName, entry.key, entry.value);
  }
}

}  // namespace qb
