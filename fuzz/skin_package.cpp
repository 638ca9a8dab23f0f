// Feeds arbitrary bytes to the stored-skin reader and the skin load. The
// first byte picks the entry point: even, the bytes are a stored skin in the
// header form (version, length, zlib stream); odd, they are the unpacked
// skin package itself, which is deflated first so that the package reader
// and the definition parser see the fuzzer's bytes rather than zlib's
// rejection of them. Every input must end in a loaded skin or an exception.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <span>

#include "skin/data/SkinCompression.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const BYTE> rest(data + 1, size - 1);
  qb::TskCompressedStoredSkin stored(nullptr);
  qb::TskSkinData skinData(nullptr);
  try {
    if (data[0] % 2 == 0) {
      stored.ReadSkinProperty(rest);
    } else {
      stored.ReadCompressedData(qb::DeflateSkin(rest));
    }
    skinData.LoadStoredSkin(&stored);
  } catch (const std::exception&) {
    if (!skinData.Empty() || skinData.SkinChanging()) std::abort();
  }
  return 0;
}
