// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sine and cosine of one angle together, written once for every lane width.
// `Lanes::V` is double or a vector of doubles with the arithmetic operators
// (GCC vector extensions), so each lane performs exactly the operations a
// scalar double would, in the same order: every width gives the same bits.
// `Lanes::PlaceInQuadrant` maps the results of the reduced angle back to the
// quadrant the angle was in.
//
// Templates only, for the reason given in simd/scalar_lanes.h. Cheaper than
// the two library calls, within about one unit in the last place of them.

namespace voka::detail {

// Adding 1.5 * 2^52 rounds a double of moderate size to the nearest integer
// and leaves that integer in the low bits of the sum's mantissa.
inline constexpr double kRoundingShift = 6755399441055744.0;

inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

// pi/2 split in two: the first part has 33 significant bits, so its product
// with a quadrant number below 2^20 is exact; the second is the rest, rounded.
// Together they differ from pi/2 by less than 4e-27.
inline constexpr double kHalfPiHigh = 0x1.921fb544p+0;
inline constexpr double kHalfPiLow = 0x1.0b4611a626331p-34;

// Minimax polynomials on |r| <= pi/4 (Remez exchange, worked out for this
// code): sin r = r + r^3 * S(r^2) with relative error below 6e-18 and
// cos r = 1 - r^2/2 + r^4 * C(r^2) with error below 1e-18, both far under
// the rounding of a double. Each still holds a little past pi/4, where the
// quadrant choice may leave the reduced angle.
inline constexpr double kSinCoefficients[] = {
    -0x1.5555555555555p-3, 0x1.11111111106e1p-7,   -0x1.a01a019d88fa9p-13,
    0x1.71de368cd81d2p-19, -0x1.ae5f246194be6p-26, 0x1.5dc44f71a3e17p-33,
};
inline constexpr double kCosCoefficients[] = {
    0x1.5555555555555p-5,   -0x1.6c16c16c16967p-10, 0x1.a01a019f4eb44p-16,
    -0x1.27e4fa17db6b7p-22, 0x1.1eeb68e763897p-29,  -0x1.907da02f62757p-37,
};

// Sine of r in [-pi/4, pi/4], z = r * r: r + r^3 * (s3 + z * (s5 + ...)).
template <class V>
[[gnu::always_inline]] inline V SinOfReduced(V r, V z) {
  constexpr int count = sizeof(kSinCoefficients) / sizeof(kSinCoefficients[0]);
  V sum = z * kSinCoefficients[count - 1];
  for (int power = count - 2; power > 0; --power) {
    sum = (sum + kSinCoefficients[power]) * z;
  }
  sum = sum + kSinCoefficients[0];
  return r + (r * z) * sum;
}

// Cosine of r in [-pi/4, pi/4], z = r * r. 1 - z/2 is formed as w plus the
// rounding error of w, recovered exactly, which keeps the result within about
// one unit in the last place even where z/2 is large.
template <class V>
[[gnu::always_inline]] inline V CosOfReduced(V z) {
  constexpr int count = sizeof(kCosCoefficients) / sizeof(kCosCoefficients[0]);
  V sum = z * kCosCoefficients[count - 1];
  for (int power = count - 2; power > 0; --power) {
    sum = (sum + kCosCoefficients[power]) * z;
  }
  sum = sum + kCosCoefficients[0];
  const V half = z * 0.5;
  const V w = 1.0 - half;
  return w + (((1.0 - w) - half) + (z * z) * sum);
}

// Sine and cosine of `angle` within about one unit in the last place for
// |angle| below 1e5; made for angles in [0, 2 pi).
template <class Lanes>
[[gnu::always_inline]] inline void SinCosLanes(typename Lanes::V angle, typename Lanes::V& sine,
                                               typename Lanes::V& cosine) {
  using V = typename Lanes::V;
  const V shifted = angle * kTwoOverPi + kRoundingShift;
  const V quadrant = shifted - kRoundingShift;
  const V r = (angle - quadrant * kHalfPiHigh) - quadrant * kHalfPiLow;
  const V z = r * r;
  Lanes::PlaceInQuadrant(shifted, SinOfReduced(r, z), CosOfReduced(z), sine, cosine);
}

}  // namespace voka::detail
