// Small skin packages and pictures for the skin data tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/gdi/Dib.h"

namespace qb::test {

// A 24-bit picture filled with one colour.
Dib SolidDib(int width, int height, BYTE red, BYTE green, BYTE blue);
// A palette picture of the given depth, every pixel palette entry 0.
Dib PaletteDib(int width, int height, int bitsPerPixel);
void SetPixel24(Dib& dib, int x, int y, BYTE red, BYTE green, BYTE blue);

struct PackageParts {
  std::int32_t version = 3;
  std::optional<Dib> main;
  std::optional<Dib> inactive;
  std::optional<Dib> mask;
  std::vector<Dib> active;
  std::string_view definition;
};

// The package bytes, with `extraSlots` written as picture slots right after
// the mask slot (as a version 2 package holds them).
std::vector<BYTE> BuildPackage(const PackageParts& parts, const std::vector<Dib>& extraSlots = {});

// The zlib stream of a package, as a stored skin buffer holds it.
std::vector<BYTE> Compress(const std::vector<BYTE>& package);

}  // namespace qb::test
