#include "skin/data/SkinCompression.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>

#include "skin/data/Adler32.h"
#include "skin/data/SkinErrors.h"

namespace qb {
namespace {

struct InflateEnd {
  void operator()(z_stream* s) const { inflateEnd(s); }
};
struct DeflateEnd {
  void operator()(z_stream* s) const { deflateEnd(s); }
};

}  // namespace

std::vector<BYTE> DeflateSkin(std::span<const BYTE> data) {
  if (data.size() > UINT_MAX) throw ECompressionError("error");
  z_stream stream{};
  if (deflateInit(&stream, 9) != Z_OK) throw ECompressionError("error");
  const std::unique_ptr<z_stream, DeflateEnd> guard(&stream);
  std::vector<BYTE> out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw ECompressionError("error");
  out.resize(stream.total_out);
  return out;
}

std::vector<BYTE> InflateSkin(std::span<const BYTE> data, std::size_t limit) {
  if (data.size() > UINT_MAX) throw EDecompressionError("compression error");
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) throw EDecompressionError("compression error");
  const std::unique_ptr<z_stream, InflateEnd> guard(&stream);
  // The stream's checksum is compared below with our own, faster one.
  if (inflateValidate(&stream, 0) != Z_OK) throw EDecompressionError("compression error");
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());

  // The inflater writes through a small chunk that stays in the cache; each
  // chunk is checksummed there and appended to the result. The result is
  // reserved at a generous ratio first (skin pictures pack about 33 : 1):
  // reserved pages that are never written cost nothing, and each page of
  // the package is written once, which matters more at start-up than the
  // copy from the chunk.
  std::vector<BYTE> out;
  out.reserve(std::min(limit, std::max<std::size_t>(data.size() * 64, 4096)));
  std::array<BYTE, 64 * 1024> chunk;
  std::uint32_t adler = 1;
  for (int status = Z_OK; status != Z_STREAM_END;) {
    stream.next_out = chunk.data();
    stream.avail_out = static_cast<uInt>(chunk.size());
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) throw EDecompressionError("compression error");
    const std::span<const BYTE> produced(chunk.data(), chunk.size() - stream.avail_out);
    if (produced.size() > limit - out.size()) {
      throw EDecompressionError("compression error: the skin package is too large");
    }
    adler = Adler32(produced, adler);
    out.insert(out.end(), produced.begin(), produced.end());
  }
  // The inflater still reads the four checksum bytes (big-endian) that end
  // the stream; they are the last it took.
  const BYTE* check = stream.next_in - 4;
  const std::uint32_t expected = std::uint32_t(check[0]) << 24 | std::uint32_t(check[1]) << 16 |
                                 std::uint32_t(check[2]) << 8 | check[3];
  if (adler != expected) throw EDecompressionError("compression error");
  return out;
}

}  // namespace qb
