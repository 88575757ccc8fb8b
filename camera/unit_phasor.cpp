// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/unit_phasor.h"

#include <cstring>
#include <numbers>

namespace voka::camera {

namespace {

// Adding and subtracting 1.5·2⁵² rounds a double below 2⁵¹ in magnitude to
// the nearest integer in the current (nearest) rounding mode, without a call.
// A path of more quarter turns has no fraction left to tell; it still gives a
// unit phasor, and nothing is converted to an integer that could overflow.
constexpr double kRoundingShift = 6755399441055744.0;

// Taylor series on |x| ≤ π/4: the first omitted terms, x¹¹/11! and x¹²/12!,
// are below 3·10⁻⁹. Written once for a float and for a vector of floats.
template <class F>
F SinQuarter(F x) {
  const F x2 = x * x;
  return x *
         (1.0f + x2 * (-1.0f / 6 + x2 * (1.0f / 120 + x2 * (-1.0f / 5040 + x2 * (1.0f / 362880)))));
}
template <class F>
F CosQuarter(F x) {
  const F x2 = x * x;
  return 1.0f +
         x2 * (-0.5f + x2 * (1.0f / 24 +
                             x2 * (-1.0f / 720 + x2 * (1.0f / 40320 + x2 * (-1.0f / 3628800)))));
}

float ToFloat(double value) {
  return static_cast<float>(value);
}

#if defined(__GNUC__)
// Four at a time in the compiler's portable vectors: at the build's
// optimisation level the loop would not be vectorised on its own.
using Double4 [[gnu::vector_size(32)]] = double;
using Float4 [[gnu::vector_size(16)]] = float;
constexpr std::size_t kWidth = 4;

Float4 ToFloat(const Double4& value) {
  return __builtin_convertvector(value, Float4);
}
#endif

// The quarter turns split into the nearest whole one, which picks the
// quadrant, and the rest, within ±π/4, whose sine and cosine the series give.
// A quarter turn takes (cos, sin) to (−sin, cos); quadrant −1 is 3 and −2
// is 2. D is a double or a vector of them, F the float counterpart.
template <class D, class F>
void Phasor(const D& waves, F& cosine, F& sine) {
  const D quarters = 4.0 * waves;
  const D nearest = (quarters + kRoundingShift) - kRoundingShift;
  const D wholeTurns = (nearest * 0.25 + kRoundingShift) - kRoundingShift;
  const F quadrant = ToFloat(nearest - 4.0 * wholeTurns);  // −2 .. 2
  const F x = ToFloat((quarters - nearest) * (std::numbers::pi / 2));
  const F c = CosQuarter(x);
  const F s = SinQuarter(x);
  const F zero = c - c;
  const F turnedCos = quadrant * quadrant == 1.0f ? s : c;
  const F turnedSin = quadrant * quadrant == 1.0f ? c : s;
  const F negatedCos = quadrant > 0.5f ? zero - turnedCos : turnedCos;
  cosine = quadrant < -1.5f ? zero - negatedCos : negatedCos;
  const F negatedSin = quadrant < -0.5f ? zero - turnedSin : turnedSin;
  sine = quadrant > 1.5f ? zero - negatedSin : negatedSin;
}

#if defined(__GNUC__)
std::size_t VectorPhasors(const double* waves, std::size_t count, float* cosines, float* sines) {
  std::size_t i = 0;
  for (; i + kWidth <= count; i += kWidth) {
    Double4 w;
    std::memcpy(&w, waves + i, sizeof w);
    Float4 c, s;
    Phasor(w, c, s);
    std::memcpy(cosines + i, &c, sizeof c);
    std::memcpy(sines + i, &s, sizeof s);
  }
  return i;
}

std::size_t VectorScaledPhasors(const double* pathNm, double turnsPerNm, const float* amplitude,
                                std::size_t count, float* real, float* imaginary) {
  std::size_t i = 0;
  for (; i + kWidth <= count; i += kWidth) {
    Double4 path;
    std::memcpy(&path, pathNm + i, sizeof path);
    Float4 a;
    std::memcpy(&a, amplitude + i, sizeof a);
    // Outside the aperture and behind the obstruction, a third of a pupil
    // or more, there is no light to turn.
    if (a[0] == 0.0f && a[1] == 0.0f && a[2] == 0.0f && a[3] == 0.0f) {
      std::memset(real + i, 0, sizeof a);
      std::memset(imaginary + i, 0, sizeof a);
      continue;
    }
    Float4 c, s;
    Phasor(path * turnsPerNm, c, s);
    c *= a;
    s *= a;
    std::memcpy(real + i, &c, sizeof c);
    std::memcpy(imaginary + i, &s, sizeof s);
  }
  return i;
}
#else
std::size_t VectorPhasors(const double*, std::size_t, float*, float*) {
  return 0;
}
std::size_t VectorScaledPhasors(const double*, double, const float*, std::size_t, float*, float*) {
  return 0;
}
#endif

}  // namespace

void UnitPhasors(const double* waves, std::size_t count, float* cosines, float* sines) {
  for (std::size_t i = VectorPhasors(waves, count, cosines, sines); i < count; ++i) {
    Phasor(waves[i], cosines[i], sines[i]);
  }
}

void ScaledUnitPhasors(const double* pathNm, double turnsPerNm, const float* amplitude,
                       std::size_t count, float* real, float* imaginary) {
  for (std::size_t i = VectorScaledPhasors(pathNm, turnsPerNm, amplitude, count, real, imaginary);
       i < count; ++i) {
    Phasor(pathNm[i] * turnsPerNm, real[i], imaginary[i]);
    real[i] *= amplitude[i];
    imaginary[i] *= amplitude[i];
  }
}

}  // namespace voka::camera
