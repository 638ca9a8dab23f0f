#include <gtest/gtest.h>

#include <vector>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinErrors.h"

namespace qb {
namespace {

// Bytes that do not repeat within zlib's window, so that sizes around the
// inflater's first buffer and its growth steps are really reached.
std::vector<BYTE> Patterned(std::size_t size) {
  std::vector<BYTE> bytes(size);
  std::uint32_t state = 12345;
  for (BYTE& b : bytes) {
    state = state * 1103515245u + 12345u;
    b = BYTE(state >> 24);
  }
  return bytes;
}

TEST(SkinInflate, InflatingGivesBackEveryByteAtAnySize) {
  for (const std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(4095), std::size_t(4096),
                                  std::size_t(4097), std::size_t(70000), std::size_t(300001)}) {
    const std::vector<BYTE> original = Patterned(size);
    EXPECT_EQ(InflateSkin(DeflateSkin(original)), original) << "size " << size;
  }
  // Zeros compress a thousandfold: the buffer grows many times over.
  const std::vector<BYTE> zeros(1 << 20, 0);
  EXPECT_EQ(InflateSkin(DeflateSkin(zeros)), zeros);
}

// The checksum that ends the stream is the only guard against a package
// whose compressed bytes were changed into other valid ones.
TEST(SkinInflate, AStreamWhoseChecksumDoesNotMatchIsRefused) {
  const std::vector<BYTE> packed = DeflateSkin(Patterned(70000));
  for (std::size_t back = 1; back <= 4; ++back) {
    std::vector<BYTE> damaged = packed;
    damaged[damaged.size() - back] ^= 0x01;
    EXPECT_THROW(InflateSkin(damaged), EDecompressionError) << "checksum byte " << 5 - back << " of 4";
  }
}

}  // namespace
}  // namespace qb
