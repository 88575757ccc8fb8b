#include "analysis/diffraction_sum_paths.h"

#if VOKA_X86_VECTOR_PATHS

// Everything this file needs from the standard library and the project's plain
// headers is included before the instruction set is widened, so that their
// inline functions stay baseline code; only the lane templates below are
// compiled for AVX2, and only for a lane type private to this file.
#include <immintrin.h>

#include <array>
#include <bit>
#include <cstdint>
#include <type_traits>

#include "analysis/diffraction_sum.h"

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

#include "analysis/diffraction_sum_kernel.h"
#include "analysis/diffraction_sum_lane_group.h"
#include "analysis/sincos_lanes.h"

namespace voka::detail {
namespace {

// Four lanes in an AVX2 register. Used only where the processor reports AVX2;
// FMA stays off so each lane rounds as a scalar double does.
struct Avx2Lanes {
  // Four doubles without the aliasing attribute of __m256d, so that the type
  // can be a template argument; the intrinsics take it as it is.
  using V [[gnu::vector_size(32)]] = double;
  static constexpr int kWidth = 4;

  static V Load(const double* source) { return _mm256_loadu_pd(source); }
  static void Store(double* target, V value) { _mm256_storeu_pd(target, value); }
  static V Sqrt(V value) { return _mm256_sqrt_pd(value); }
  static bool AnyAbsAbove(V value, double limit) {
    const __m256d magnitude = _mm256_andnot_pd(_mm256_set1_pd(-0.0), value);
    return _mm256_movemask_pd(_mm256_cmp_pd(magnitude, _mm256_set1_pd(limit), _CMP_GT_OQ)) != 0;
  }
  // Out of range or NaN gives the smallest 32-bit integer.
  static V TruncateToInt32(V value) { return _mm256_cvtepi32_pd(_mm256_cvttpd_epi32(value)); }

  // As ScalarLanes::PlaceInQuadrant, per lane.
  static void PlaceInQuadrant(V shifted, V s, V c, V& sine, V& cosine) {
    const __m256i q = _mm256_castpd_si256(shifted);
    const __m256i one = _mm256_set1_epi64x(1);
    const __m256i two = _mm256_set1_epi64x(2);
    const __m256d exchange = _mm256_castsi256_pd(_mm256_cmpeq_epi64(_mm256_and_si256(q, one), one));
    const V sinePart = _mm256_blendv_pd(s, c, exchange);
    const V cosinePart = _mm256_blendv_pd(c, s, exchange);
    const __m256i sineSign = _mm256_slli_epi64(_mm256_and_si256(q, two), 62);
    const __m256i cosineSign =
        _mm256_slli_epi64(_mm256_and_si256(_mm256_add_epi64(q, one), two), 62);
    sine = _mm256_xor_pd(sinePart, _mm256_castsi256_pd(sineSign));
    cosine = _mm256_xor_pd(cosinePart, _mm256_castsi256_pd(cosineSign));
  }
};

// Vectors worked on side by side (see diffraction_sum_lane_group.h); eight
// measured fastest, more run out of registers.
constexpr int kGroup = 8;

}  // namespace

void AddPupilColumnAvx2(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  AddPupilColumnLanes<GroupedLanes<Avx2Lanes, kGroup>>(pupil, k, i, field);
}

void SinCosSpanAvx2(const double* angles, double* sines, double* cosines, int count) {
  SinCosSpanLanes<Avx2Lanes>(angles, sines, cosines, count);
}

}  // namespace voka::detail

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
