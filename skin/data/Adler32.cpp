#include "skin/data/Adler32.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#else
#include <zlib.h>
#endif

namespace qb {
namespace {

constexpr std::uint32_t kBase = 65521;

#if defined(__SSE2__)
// Bytes per block between reductions modulo kBase: a multiple of 16 small
// enough that no 32-bit lane sum below can overflow.
constexpr std::size_t kBlock = 5536;

std::uint64_t LaneSum(__m128i v) {
  alignas(16) std::uint32_t lanes[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), v);
  return std::uint64_t(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
}

// Over n = 16k bytes x, a grows by Σx and b by n·a + Σ(n − i)·x[i]. Byte j
// of chunk c weighs 16·(k − 1 − c) + (16 − j): the first part is the sum of
// the chunk sums before each chunk, the second a fixed weight per lane.
void AddBlock(const BYTE* data, std::size_t chunks, std::uint32_t& a, std::uint32_t& b) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i weightsLow = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i weightsHigh = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  __m128i sums = zero, sumsBefore = zero, weighted = zero;
  for (std::size_t c = 0; c < chunks; ++c) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * c));
    sumsBefore = _mm_add_epi32(sumsBefore, sums);
    sums = _mm_add_epi32(sums, _mm_sad_epu8(bytes, zero));
    weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), weightsLow));
    weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), weightsHigh));
  }
  const std::uint64_t n = 16 * chunks;
  b = std::uint32_t((b + n * a + 16 * LaneSum(sumsBefore) + LaneSum(weighted)) % kBase);
  a = std::uint32_t((a + LaneSum(sums)) % kBase);
}
#endif

}  // namespace

std::uint32_t Adler32(std::span<const BYTE> data, std::uint32_t adler) {
#if defined(__SSE2__)
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  std::size_t done = 0;
  while (data.size() - done >= 16) {
    const std::size_t chunks = std::min(data.size() - done, kBlock) / 16;
    AddBlock(data.data() + done, chunks, a, b);
    done += 16 * chunks;
  }
  for (; done < data.size(); ++done) {
    a += data[done];
    b += a;
  }
  return (b % kBase) << 16 | (a % kBase);
#else
  return std::uint32_t(adler32_z(adler, data.data(), data.size()));
#endif
}

}  // namespace qb
