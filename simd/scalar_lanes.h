// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engines' kernels are written once, as templates over a lane type: the
// type that holds one element of the data being worked on. The scalar lane
// is one double; a vector lane holds the same element of several independent
// sequences (or neighbouring points), one per SIMD lane. Every kernel does
// exactly the same operations, in the same order, on each lane, so a vector
// lane gives each of its elements bit for bit what the scalar lane gives it.
//
// A lane type provides
//   using V = ...;                         double or a vector of doubles with
//                                          the arithmetic operators
//   static constexpr int kWidth;           doubles per V
//   static V Splat(double value);          the value in every lane
//   static V Load(const double* p);        p[0..kWidth-1] into the lanes
//   static void Store(double* p, V v);
//   static V Sqrt(V v);
//   static bool AnyAbsAbove(V v, double limit);
//   static V TruncateToInt32(V v);         toward zero, as a 32-bit integer
//   static void PlaceInQuadrant(V shifted, V s, V c, V& sine, V& cosine);
// and the vector lanes also
//   static void TransposeIn(double* const* rows, int k, V* out);
//       out[t] gets rows[0..kWidth-1][k+t] for t < kWidth
//   static void TransposeOut(const V* in, double* const* rows, int k);
//
// Lane headers hold inline code only: a file that compiles one for a wider
// instruction set instantiates the kernels with that lane type alone, so no
// code built for that set is shared with the baseline code.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// The kernels' small helpers (one butterfly, one swap) must melt into their
// loops; left as calls they pass whole vectors through memory.
#if defined(__GNUC__)
#define VOKA_LANE_INLINE [[gnu::always_inline]] inline
#else
#define VOKA_LANE_INLINE inline
#endif

namespace voka::simd {

// One lane: plain doubles, on any processor. The model of what each lane of
// the vector types does.
struct ScalarLanes {
  using V = double;
  static constexpr int kWidth = 1;

  static V Splat(double value) { return value; }
  static V Load(const double* source) { return *source; }
  static void Store(double* target, V value) { *target = value; }
  static V Sqrt(V value) { return std::sqrt(value); }
  static bool AnyAbsAbove(V value, double limit) { return std::abs(value) > limit; }

  // Out of range or NaN gives the smallest integer, as the x86 conversion
  // instructions of the vector lanes do.
  static V TruncateToInt32(V value) {
    constexpr double kLimit = 2147483648.0;
    if (value > -kLimit - 1.0 && value < kLimit) {
      return static_cast<std::int32_t>(value);
    }
    return std::numeric_limits<std::int32_t>::min();
  }

  // The quadrant number q sits in the low bits of `shifted`. Odd quadrants
  // exchange sine and cosine; the sine changes sign in quadrants 2 and 3, the
  // cosine in 1 and 2.
  static void PlaceInQuadrant(V shifted, V s, V c, V& sine, V& cosine) {
    const auto q = std::bit_cast<std::uint64_t>(shifted);
    const bool exchange = (q & 1) != 0;
    const V sinePart = exchange ? c : s;
    const V cosinePart = exchange ? s : c;
    sine = std::bit_cast<double>(std::bit_cast<std::uint64_t>(sinePart) ^ ((q & 2) << 62));
    cosine =
        std::bit_cast<double>(std::bit_cast<std::uint64_t>(cosinePart) ^ (((q + 1) & 2) << 62));
  }
};

}  // namespace voka::simd
