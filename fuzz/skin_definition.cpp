// Feeds arbitrary bytes to the skin definition reader: decoding, the INI
// syntax, every value syntax and every record type, with no pictures loaded.
// A malformed rectangle or point may throw; nothing else may go wrong.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/DefinitionText.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinIni.h"
#include "skin/data/TskSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const qb::SkinIni ini(qb::DecodeDefinitionText(std::span<const BYTE>(data, size)).text);
  qb::TskSkinData skinData(nullptr);
  try {
    skinData.ReadSkinDefinition(ini);
  } catch (const qb::EConvertError&) {
  }
  qb::SkinIni saved;
  for (const auto& object : skinData.SkinObjects()) object->SaveToIni(saved);
  for (const auto& control : skinData.SkinControls()) control->SaveToIni(saved);
  skinData.FormInfo().SaveToIni(saved);
  return 0;
}
