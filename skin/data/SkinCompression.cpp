#include "skin/data/SkinCompression.h"

#include <zlib.h>

#include <algorithm>
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

  // Start from a generous ratio and grow geometrically; the limit bounds
  // the work any input can cause. Skin pictures pack about 33 : 1, so a
  // start at 32 : 1 grew and copied the whole package once; pages of the
  // buffer that are never written cost nothing. The buffer is not cleared
  // first: inflate writes every byte that is kept, and clearing the
  // megabytes of a skin cost a third as much as inflating them.
  std::size_t capacity = std::min(limit, std::max<std::size_t>(data.size() * 64, 4096));
  auto out = std::make_unique_for_overwrite<BYTE[]>(capacity);
  std::size_t produced = 0;
  for (;;) {
    if (produced == capacity) {
      if (capacity >= limit) throw EDecompressionError("compression error: the skin package is too large");
      const std::size_t grown = std::min(limit, capacity * 2);
      auto larger = std::make_unique_for_overwrite<BYTE[]>(grown);
      std::copy_n(out.get(), produced, larger.get());
      out = std::move(larger);
      capacity = grown;
    }
    stream.next_out = out.get() + produced;
    stream.avail_out = static_cast<uInt>(std::min<std::size_t>(capacity - produced, UINT_MAX));
    const uInt before = stream.avail_out;
    const int status = inflate(&stream, Z_NO_FLUSH);
    produced += before - stream.avail_out;
    if (status == Z_STREAM_END) break;
    if (status != Z_OK && !(status == Z_BUF_ERROR && stream.avail_out == 0)) {
      throw EDecompressionError("compression error");
    }
  }
  // The inflater still reads the four checksum bytes (big-endian) that end
  // the stream; they are the last it took.
  const BYTE* check = stream.next_in - 4;
  const std::uint32_t expected = std::uint32_t(check[0]) << 24 | std::uint32_t(check[1]) << 16 |
                                 std::uint32_t(check[2]) << 8 | check[3];
  if (Adler32(std::span<const BYTE>(out.get(), produced)) != expected) throw EDecompressionError("compression error");
  return std::vector<BYTE>(out.get(), out.get() + produced);
}

}  // namespace qb
