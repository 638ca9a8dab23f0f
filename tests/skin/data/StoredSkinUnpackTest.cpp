#include <gtest/gtest.h>

#include <vector>

#include "skin/data/SkinCompression.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TskCompressedStoredSkin.h"

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

TEST(SkinUnpack, InflatingGivesBackEveryByteAtAnySize) {
  for (const std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(4095), std::size_t(4096),
                                  std::size_t(4097), std::size_t(70000), std::size_t(300001)}) {
    const std::vector<BYTE> original = Patterned(size);
    EXPECT_EQ(InflateSkin(DeflateSkin(original)), original) << "size " << size;
  }
  // Zeros compress a thousandfold: the buffer grows many times over.
  const std::vector<BYTE> zeros(1 << 20, 0);
  EXPECT_EQ(InflateSkin(DeflateSkin(zeros)), zeros);
}

TEST(SkinUnpack, APreparedUnpackGivesWhatAPlainOneGives) {
  const std::vector<BYTE> package = Patterned(50000);
  const std::vector<BYTE> compressed = DeflateSkin(package);
  const std::vector<BYTE> broken(compressed.begin(), compressed.end() - 4);
  struct Case {
    const char* what;
    const std::vector<BYTE>& buffer;
    bool prepared;
  };
  for (const Case c : {Case{"plain", compressed, false}, Case{"prepared", compressed, true},
                       Case{"plain, broken", broken, false}, Case{"prepared, broken", broken, true}}) {
    SCOPED_TRACE(c.what);
    TskCompressedStoredSkin skin(nullptr);
    skin.ReadCompressedData(c.buffer);
    if (c.prepared) skin.PrepareUnpack();
    for (int round = 0; round < 2; ++round) {
      if (&c.buffer == &broken)
        EXPECT_THROW(skin.Unpack(), EDecompressionError);
      else
        EXPECT_EQ(skin.Unpack(), package);
    }
  }
}

TEST(SkinUnpack, ANewBufferDropsTheResultPreparedForTheOldOne) {
  const std::vector<BYTE> first = Patterned(40000);
  const std::vector<BYTE> second(777, 9);
  TskCompressedStoredSkin skin(nullptr);
  skin.ReadCompressedData(DeflateSkin(first));
  skin.PrepareUnpack();
  skin.ReadCompressedData(DeflateSkin(second));
  EXPECT_EQ(skin.Unpack(), second);

  // A stored skin that goes away with its helper still at work waits for
  // it instead of pulling the buffer from under it.
  {
    TskCompressedStoredSkin leaving(nullptr);
    leaving.ReadCompressedData(DeflateSkin(first));
    leaving.PrepareUnpack();
  }
}

}  // namespace
}  // namespace qb
