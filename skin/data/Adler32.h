// The Adler-32 checksum (RFC 1950) that ends every zlib stream, computed
// sixteen bytes at a time: zlib's own byte loop was a third of the work of
// inflating the skin package at start-up.
#pragma once

#include <cstdint>
#include <span>

#include "platform/WinTypes.h"

namespace qb {

// The checksum of `data` continued from `adler` (1 for a fresh start).
std::uint32_t Adler32(std::span<const BYTE> data, std::uint32_t adler = 1);

}  // namespace qb
