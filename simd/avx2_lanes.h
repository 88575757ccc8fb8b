// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Four lanes in an AVX2 register. Include this only between VOKA_BEGIN_AVX2
// and VOKA_END_AVX2 (instruction_set.h) of a file whose functions are called
// only where the processor has AVX2. FMA stays off so that each lane rounds
// as a scalar double does.

#include <immintrin.h>

namespace voka::simd {

struct Avx2Lanes {
  // Four doubles without the aliasing attribute of __m256d, so that the type
  // can be a template argument; the intrinsics take it as it is.
  using V [[gnu::vector_size(32)]] = double;
  static constexpr int kWidth = 4;

  static V Splat(double value) { return _mm256_set1_pd(value); }
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

  // A 4x4 transpose: out[t] lane c = rows[c][k+t]. It is its own inverse.
  static void Transpose(V r0, V r1, V r2, V r3, V* out) {
    const V t0 = _mm256_unpacklo_pd(r0, r1);
    const V t1 = _mm256_unpackhi_pd(r0, r1);
    const V t2 = _mm256_unpacklo_pd(r2, r3);
    const V t3 = _mm256_unpackhi_pd(r2, r3);
    out[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
    out[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
    out[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
    out[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
  }
  static void TransposeIn(double* const* rows, int k, V* out) {
    Transpose(Load(rows[0] + k), Load(rows[1] + k), Load(rows[2] + k), Load(rows[3] + k), out);
  }
  static void TransposeOut(const V* in, double* const* rows, int k) {
    V t[4];
    Transpose(in[0], in[1], in[2], in[3], t);
    for (int c = 0; c < kWidth; ++c) Store(rows[c] + k, t[c]);
  }
};

}  // namespace voka::simd
