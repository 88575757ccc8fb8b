#include "analysis/diffraction_sum_paths.h"

#if VOKA_X86_VECTOR_PATHS

#include <emmintrin.h>

#include "analysis/diffraction_sum_kernel.h"
#include "analysis/diffraction_sum_lane_group.h"

namespace voka::detail {
namespace {

// Two lanes in an SSE2 register; every x86-64 processor has them.
struct Sse2Lanes {
  // Two doubles without the aliasing attribute of __m128d, so that the type
  // can be a template argument; the intrinsics take it as it is.
  using V [[gnu::vector_size(16)]] = double;
  static constexpr int kWidth = 2;

  static V Load(const double* source) { return _mm_loadu_pd(source); }
  static void Store(double* target, V value) { _mm_storeu_pd(target, value); }
  static V Sqrt(V value) { return _mm_sqrt_pd(value); }
  static bool AnyAbsAbove(V value, double limit) {
    const __m128d magnitude = _mm_andnot_pd(_mm_set1_pd(-0.0), value);
    return _mm_movemask_pd(_mm_cmpgt_pd(magnitude, _mm_set1_pd(limit))) != 0;
  }
  // Out of range or NaN gives the smallest 32-bit integer.
  static V TruncateToInt32(V value) { return _mm_cvtepi32_pd(_mm_cvttpd_epi32(value)); }

  // As ScalarLanes::PlaceInQuadrant, per lane. SSE2 has no 64-bit compare, so
  // the exchange mask is made from the low 32 bits and copied to the high.
  static void PlaceInQuadrant(V shifted, V s, V c, V& sine, V& cosine) {
    const __m128i q = _mm_castpd_si128(shifted);
    const __m128i one = _mm_set_epi32(0, 1, 0, 1);
    const __m128i two = _mm_set_epi32(0, 2, 0, 2);
    const __m128i lowMatch = _mm_cmpeq_epi32(_mm_and_si128(q, one), one);
    const __m128d exchange = _mm_castsi128_pd(_mm_shuffle_epi32(lowMatch, _MM_SHUFFLE(2, 2, 0, 0)));
    const V sinePart = _mm_or_pd(_mm_and_pd(exchange, c), _mm_andnot_pd(exchange, s));
    const V cosinePart = _mm_or_pd(_mm_and_pd(exchange, s), _mm_andnot_pd(exchange, c));
    const __m128i sineSign = _mm_slli_epi64(_mm_and_si128(q, two), 62);
    const __m128i cosineSign = _mm_slli_epi64(_mm_and_si128(_mm_add_epi64(q, one), two), 62);
    sine = _mm_xor_pd(sinePart, _mm_castsi128_pd(sineSign));
    cosine = _mm_xor_pd(cosinePart, _mm_castsi128_pd(cosineSign));
  }
};

// Vectors worked on side by side (see diffraction_sum_lane_group.h); eight
// measured fastest, more run out of registers.
constexpr int kGroup = 8;

}  // namespace

void AddPupilColumnSse2(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  AddPupilColumnLanes<GroupedLanes<Sse2Lanes, kGroup>>(pupil, k, i, field);
}

void SinCosSpanSse2(const double* angles, double* sines, double* cosines, int count) {
  SinCosSpanLanes<Sse2Lanes>(angles, sines, cosines, count);
}

}  // namespace voka::detail

#endif
