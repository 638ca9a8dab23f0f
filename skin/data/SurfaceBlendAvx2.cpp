#include "skin/data/SurfaceBlendAvx2.h"

#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace qb {

#if defined(__AVX2__)
namespace {

// Unpacking, shuffling and packing all stay inside each 128-bit half, so the
// pixels come back in their own places. Products and sums fit 16-bit lanes.
template <TskBlendPath path>
__m256i MixEight(__m256i s, __m256i d, __m256i alpha) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i full = _mm256_set1_epi16(path == bpMMX ? 256 : 255);
  auto half = [&](__m256i s16, __m256i d16) {
    const __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s16, 0xFF), 0xFF);
    return _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(s16, a), _mm256_mullo_epi16(d16, _mm256_sub_epi16(full, a))), 8);
  };
  __m256i mixed = _mm256_packus_epi16(half(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero)),
                                      half(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero)));
  const __m256i alphaMask = _mm256_set1_epi32(int(0xFF000000u));
  if (path == bpPlain) {
    mixed = _mm256_or_si256(mixed, alphaMask);
    mixed = _mm256_blendv_epi8(mixed, d, _mm256_cmpeq_epi32(alpha, zero));
  }
  return _mm256_blendv_epi8(mixed, s, _mm256_cmpeq_epi32(alpha, alphaMask));
}

template <TskBlendPath path>
int Blocks(const std::uint32_t* source, std::uint32_t* target, int count) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i alphaMask = _mm256_set1_epi32(int(0xFF000000u));
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
    const __m256i alpha = _mm256_and_si256(s, alphaMask);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, zero)) == -1) continue;
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, alphaMask)) == -1) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i), s);
      continue;
    }
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(target + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i), MixEight<path>(s, d, alpha));
  }
  return i;
}

}  // namespace

bool Avx2BlendAvailable() { return __builtin_cpu_supports("avx2"); }

int BlendBlocksAvx2(const std::uint32_t* source, std::uint32_t* target, int count, TskBlendPath path) {
  return path == bpMMX ? Blocks<bpMMX>(source, target, count) : Blocks<bpPlain>(source, target, count);
}
#else
bool Avx2BlendAvailable() { return false; }

int BlendBlocksAvx2(const std::uint32_t*, std::uint32_t*, int, TskBlendPath) { return 0; }
#endif

}  // namespace qb
