// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inner work of the diffraction sum, written once for every lane width
// (see simd/scalar_lanes.h for the lane types and why this header holds
// templates only). Lanes run across neighbouring image rows j of one image column i;
// each image point keeps its own accumulation order, pupil column by pupil
// column and row by row, so every width gives the bits of the scalar path.

#include <array>

#include "diffraction_sum/diffraction_sum.h"
#include "diffraction_sum/sincos.h"

namespace voka::detail {

// Lane vectors worked on side by side (see simd/lane_group.h); eight
// measured fastest, more run out of registers.
inline constexpr int kLaneGroupSize = 8;

// u (or v) of each image column (or row), computed as (i - 32) * 0.0005.
inline constexpr std::array<double, kImagePoints> kImageCoordinates = [] {
  std::array<double, kImagePoints> coordinates{};
  for (int i = 0; i < kImagePoints; ++i) {
    coordinates[i] = (i - kImageCentre) * kImageStep;
  }
  return coordinates;
}();

// Largest |D - R*R| for D = R*R - (x*u + y*v)*2 + u*u + v*v over the whole
// geometry (|x|, |y| <= 64, |u|, |v| <= 0.016), with room for rounding.
inline constexpr double kLargestPupilCoordinate = kPupilCentre * kPupilStep;
inline constexpr double kLargestImageCoordinate = kImageCentre * kImageStep;
inline constexpr double kSquaredOffsetBound =
    4.0 * kLargestPupilCoordinate * kLargestImageCoordinate +
    2.0 * kLargestImageCoordinate * kLargestImageCoordinate + 1e-6;

// Half the spacing of doubles between 512 and 1024, where every path length lies.
inline constexpr double kHalfUlpOfLength = 0x1p-44;

// sqrt(D), correctly rounded, for D within kSquaredOffsetBound of R*R. The
// square root is the slowest operation of the sum, so it is taken from the
// series R + d/(2R) - d^2/(8R^3) + d^3/(16R^5) in d = D - R*R (exact, as D and
// R*R are within a factor of 2). The series and its rounding are within 2e-18
// of the true root; only when R + series lies closer than 1e-17 to a halfway
// point between doubles (about 1 lane in 6000) could its rounding differ, and
// then the group takes the square root itself.
template <class Lanes>
[[gnu::always_inline]] inline typename Lanes::V PathLength(const typename Lanes::V& squared) {
  using V = typename Lanes::V;
  constexpr double R = kImagePlaneDistance;
  constexpr double kC1 = 1.0 / (2.0 * R);
  constexpr double kC2 = 1.0 / (8.0 * R * R * R);
  constexpr double kC3 = 1.0 / (16.0 * R * R * R * R * R);
  constexpr double kMargin = 1e-17;
  // The first term left out, 5d^4/(128R^7), must stay far below the margin.
  static_assert(5.0 * kSquaredOffsetBound * kSquaredOffsetBound * kSquaredOffsetBound *
                        kSquaredOffsetBound / (128.0 * R * R * R * R * R * R * R) <
                    kMargin / 16.0,
                "series too short for this geometry");
  const V offset = squared - R * R;
  const V series = offset * (kC1 - offset * (kC2 - offset * kC3));
  const V length = R + series;
  // Exactly the rounding error of R + series: length - R is exact, and so is
  // the difference of two doubles this close.
  const V roundingError = series - (length - R);
  if (Lanes::AnyAbsAbove(roundingError, kHalfUlpOfLength - kMargin)) {
    return Lanes::Sqrt(squared);
  }
  return length;
}

// trunc(length / wavelength) as a 32-bit integer, held as a double. The
// quotient is estimated with a multiplication, which lies within 4e-10 of the
// correctly rounded quotient (about 1.09e6); unless the estimate is closer
// than 1e-9 to a whole number, both truncate alike. Otherwise the group
// divides.
template <class Lanes>
[[gnu::always_inline]] inline typename Lanes::V WholeWaves(const typename Lanes::V& length) {
  using V = typename Lanes::V;
  constexpr double kMargin = 1e-9;
  const V estimate = length * (1.0 / kWavelength);
  const V whole = Lanes::TruncateToInt32(estimate);
  // estimate - whole is exact and in [0, 1); near 0 or 1 is near a whole number.
  if (Lanes::AnyAbsAbove((estimate - whole) - 0.5, 0.5 - kMargin)) {
    return Lanes::TruncateToInt32(length / kWavelength);
  }
  return whole;
}

// Phase of the waves from the pupil point (x, y) at the image points (u, v):
// the path length's fractional part in wavelengths, times 2 pi, rounded as
// sqrt(R*R - (x*u + y*v)*2 + u*u + v*v) and f * 2 * pi are. Doubling is exact,
// so (x*u + y*v)*2 equals 2xu + 2y*v bit for bit, and f * 2 * pi equals
// f * (2 pi); twoXu = 2 * x * u and uu = u * u are shared by all lanes.
template <class Lanes>
[[gnu::always_inline]] inline typename Lanes::V PhaseAt(double twoXu, double uu, double twoY,
                                                        const typename Lanes::V& v,
                                                        const typename Lanes::V& vv) {
  using V = typename Lanes::V;
  constexpr double kDistanceSquared = kImagePlaneDistance * kImagePlaneDistance;
  constexpr double kTwoPi = 2.0 * kRayTracePi;
  const V length = PathLength<Lanes>(((kDistanceSquared - (twoXu + twoY * v)) + uu) + vv);
  const V fraction = (length - WholeWaves<Lanes>(length) * kWavelength) / kWavelength;
  return fraction * kTwoPi;
}

// Adds the waves of pupil column k to the 64 points of image column i.
// Samples of amplitude 0 (either sign) are skipped: their terms are zeros,
// and adding a zero to an accumulator that started at +0 changes no bit.
template <class Lanes>
void AddPupilColumnLanes(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  using V = typename Lanes::V;
  static_assert(kImagePoints % Lanes::kWidth == 0, "lanes must tile an image column");
  const double x = (k - kPupilCentre) * kPupilStep;
  const double u = kImageCoordinates[i];
  const double twoXu = (x * u) * 2.0;
  const double uu = u * u;
  const double* amplitudes = pupil.a[k];
  for (int j = 0; j < kImagePoints; j += Lanes::kWidth) {
    const V v = Lanes::Load(&kImageCoordinates[j]);
    const V vv = v * v;
    V real = Lanes::Load(&field.real[i][j]);
    V imag = Lanes::Load(&field.imag[i][j]);
    for (int l = 0; l < kPupilSamples; ++l) {
      const double a = amplitudes[l];
      if (a == 0.0) {
        continue;
      }
      const double twoY = ((l - kPupilCentre) * kPupilStep) * 2.0;
      V sine;
      V cosine;
      SinCosLanes<Lanes>(PhaseAt<Lanes>(twoXu, uu, twoY, v, vv), sine, cosine);
      real = cosine * a + real;
      imag = sine * a + imag;
    }
    Lanes::Store(&field.real[i][j], real);
    Lanes::Store(&field.imag[i][j], imag);
  }
}

// Image column i with the pupil column k added, four lanes at a time in AVX2
// registers: a file of its own built for that set, called only where the
// processor has it.
void AddPupilColumnAvx2(const PupilAmplitudes& pupil, int k, int i, ImageField& field);

}  // namespace voka::detail
