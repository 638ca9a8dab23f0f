// The zlib streams (RFC 1950) that stored skins are kept in.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "platform/WinTypes.h"

namespace qb {

// A skin package is about 1.8 MB; nothing sane comes near this.
constexpr std::size_t kMaxSkinPackageSize = 64u << 20;

// Deflate at level 9; throws ECompressionError ("error") when zlib fails.
std::vector<BYTE> DeflateSkin(std::span<const BYTE> data);

// Inflates one whole zlib stream. Data the inflater rejects, a stream that
// ends early and output beyond `limit` bytes throw EDecompressionError.
std::vector<BYTE> InflateSkin(std::span<const BYTE> data, std::size_t limit = kMaxSkinPackageSize);

}  // namespace qb
