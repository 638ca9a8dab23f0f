#include "skin/data/SurfaceBlend.h"

#include "skin/data/SurfaceBlendAvx2.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qb {
namespace {

constexpr std::uint32_t kAlpha = 0xFF000000u;

// Red and blue share one multiply, alpha and green another: every lane sum
// stays below 2^16, so the lanes never spill into each other.
std::uint32_t MixMmx(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  const std::uint32_t rb = (((s & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * (256 - a)) >> 8) & 0x00FF00FFu;
  const std::uint32_t ag = (((s >> 8) & 0x00FF00FFu) * a + ((d >> 8) & 0x00FF00FFu) * (256 - a)) & 0xFF00FF00u;
  return rb | ag;
}

std::uint32_t MixPlain(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  const std::uint32_t rb = (((s & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * (255 - a)) >> 8) & 0x00FF00FFu;
  const std::uint32_t g = (((s & 0x0000FF00u) * a + (d & 0x0000FF00u) * (255 - a)) >> 8) & 0x0000FF00u;
  return kAlpha | rb | g;
}

#if defined(__SSE2__)
// Four pixels at once in 16-bit lanes; products and their sum stay below
// 2^16, so the truncating shift gives the scalar result exactly.
template <TskBlendPath path>
__m128i MixFour(__m128i s, __m128i d, __m128i alpha) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi16(path == bpMMX ? 256 : 255);
  auto half = [&](__m128i s16, __m128i d16) {
    const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s16, 0xFF), 0xFF);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s16, a), _mm_mullo_epi16(d16, _mm_sub_epi16(full, a))), 8);
  };
  __m128i mixed = _mm_packus_epi16(half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero)),
                                   half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero)));
  const __m128i alphaMask = _mm_set1_epi32(int(kAlpha));
  if (path == bpPlain) {
    mixed = _mm_or_si128(mixed, alphaMask);
    const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
    mixed = _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, mixed));
  }
  const __m128i opaque = _mm_cmpeq_epi32(alpha, alphaMask);
  return _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, mixed));
}

template <TskBlendPath path>
int BlendBlocks(const std::uint32_t* source, std::uint32_t* target, int count) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i alphaMask = _mm_set1_epi32(int(kAlpha));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
    const __m128i alpha = _mm_and_si128(s, alphaMask);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero)) == 0xFFFF) continue;
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, alphaMask)) == 0xFFFF) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), s);
      continue;
    }
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), MixFour<path>(s, d, alpha));
  }
  return i;
}
#else
template <TskBlendPath>
int BlendBlocks(const std::uint32_t*, std::uint32_t*, int) {
  return 0;
}
#endif

}  // namespace

std::uint32_t BlendPixel(std::uint32_t s, std::uint32_t d, TskBlendPath path) {
  const std::uint32_t a = s >> 24;
  if (a == 255) return s;
  if (a == 0) return d;
  return path == bpMMX ? MixMmx(s, d, a) : MixPlain(s, d, a);
}

void BlendRow(const std::uint32_t* source, std::uint32_t* target, int count, TskBlendPath path) {
  // The processor is asked once; the answer never changes while we run.
  static const bool wide = Avx2BlendAvailable();
  int i = wide ? BlendBlocksAvx2(source, target, count, path) : 0;
  i += path == bpMMX ? BlendBlocks<bpMMX>(source + i, target + i, count - i)
                     : BlendBlocks<bpPlain>(source + i, target + i, count - i);
  for (; i < count; ++i) target[i] = BlendPixel(source[i], target[i], path);
}

}  // namespace qb
