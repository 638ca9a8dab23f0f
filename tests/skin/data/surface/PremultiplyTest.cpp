#include <gtest/gtest.h>

#include "platform/gdi/PixelOps.h"
#include "skin/data/TskBitmap.h"

namespace qb {
namespace {

// Opaque and clear pixels take a shortcut; every alpha, those two among
// them, must give the rounded product a channel at a time would.
TEST(Premultiply, EveryAlphaGivesTheRoundedProductOfEachChannel) {
  const std::uint32_t colours[] = {0xFFFFFF, 0x000000, 0x80FF01, 0x123456, 0xFE7F80};
  TskBitmap s;
  s.SetSize(256, 5);
  for (int y = 0; y < 5; ++y)
    for (std::uint32_t a = 0; a < 256; ++a) s.ScanLine(y)[a] = (a << 24) | colours[y];
  s.Premultiply();
  for (int y = 0; y < 5; ++y) {
    for (std::uint32_t a = 0; a < 256; ++a) {
      std::uint32_t expected = a << 24;
      for (int shift = 0; shift < 24; shift += 8) expected |= Div255(a * ((colours[y] >> shift) & 0xFF)) << shift;
      ASSERT_EQ(s.ScanLine(y)[a], expected) << std::hex << "colour " << colours[y] << " alpha " << a;
    }
  }
}

}  // namespace
}  // namespace qb
