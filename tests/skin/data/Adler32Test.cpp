#include "skin/data/Adler32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <vector>

namespace qb {
namespace {

// zlib's; it takes a null buffer (an empty vector's) as a request to start.
std::uint32_t Reference(const std::vector<BYTE>& data, std::uint32_t start) {
  if (data.empty()) return start;
  return std::uint32_t(adler32_z(start, data.data(), data.size()));
}

// Lengths around the sixteen-byte chunks and the blocks between reductions;
// all-0xFF input is where the sums come nearest to overflowing.
TEST(Adler32, MatchesZlibOnSeededInputsAndAtTheLimits) {
  std::mt19937 random(20261210);
  for (const std::size_t size : {0, 1, 15, 16, 17, 5535, 5536, 5537, 5552, 11072, 100003}) {
    for (const bool saturated : {false, true}) {
      std::vector<BYTE> data(size, 0xFF);
      if (!saturated)
        for (BYTE& b : data) b = BYTE(random());
      for (const std::uint32_t start : {1u, 0xFFF0FFF0u}) {
        EXPECT_EQ(Adler32(data, start), Reference(data, start))
            << "size " << size << (saturated ? ", all 0xFF" : ", random") << ", from 0x" << std::hex << start;
      }
    }
  }
}

}  // namespace
}  // namespace qb
