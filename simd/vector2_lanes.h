// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Two lanes in the compiler's portable 16-byte vectors of two doubles: SSE2,
// which every x86-64 processor has, or NEON on 64-bit ARM. Only where such
// vectors are native registers; elsewhere the compiler would emulate them
// and the scalar lane is the better choice.

#include <cstring>

#if defined(__GNUC__) && (defined(__SSE2__) || defined(__aarch64__))
#define VOKA_HAVE_VECTOR2_LANES 1
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace voka::simd {

struct Vector2Lanes {
  // Two doubles without the aliasing attribute of __m128d, so that the type
  // can be a template argument; the intrinsics take it as it is.
  using V [[gnu::vector_size(16)]] = double;
  static constexpr int kWidth = 2;

  static V Splat(double value) { return V{value, value}; }
  static V Load(const double* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
  }
  static void Store(double* p, V v) { std::memcpy(p, &v, sizeof v); }
  static void TransposeIn(double* const* rows, int k, V* out) {
    out[0] = V{rows[0][k], rows[1][k]};
    out[1] = V{rows[0][k + 1], rows[1][k + 1]};
  }
  static void TransposeOut(const V* in, double* const* rows, int k) {
    rows[0][k] = in[0][0];
    rows[1][k] = in[0][1];
    rows[0][k + 1] = in[1][0];
    rows[1][k + 1] = in[1][1];
  }

#if defined(__SSE2__)
  // The operations below have x86 instructions that round and convert as
  // the scalar lane does; the diffraction sum needs them.
  static V Sqrt(V value) {
    return _mm_sqrt_pd(value);
  }
  static bool AnyAbsAbove(V value, double limit) {
    const __m128d magnitude = _mm_andnot_pd(_mm_set1_pd(-0.0), value);
    return _mm_movemask_pd(_mm_cmpgt_pd(magnitude, _mm_set1_pd(limit))) != 0;
  }
  // Out of range or NaN gives the smallest 32-bit integer.
  static V TruncateToInt32(V value) {
    return _mm_cvtepi32_pd(_mm_cvttpd_epi32(value));
  }

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
#endif
};

}  // namespace voka::simd

#endif
