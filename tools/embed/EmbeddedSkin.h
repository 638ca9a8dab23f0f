// The stored skin that travels inside the program: our own skin, painted and
// packed by the build, as the bytes of a compressed skin file (header
// version, length, zlib stream). The program's skin list holds it as its
// item 0.
#pragma once

#include <span>

#include "platform/WinTypes.h"

namespace qb {

inline constexpr char16_t kEmbeddedSkinFileName[] = u"Silver.skn";
inline constexpr char16_t kEmbeddedSkinItemName[] = u"skSkin0";

std::span<const BYTE> EmbeddedSkin();

}  // namespace qb
