#include "camera/unit_phasor.h"

#include <cmath>
#include <numbers>

namespace voka::camera {

namespace {

// Adding and subtracting 1.5·2⁵² rounds a double below 2⁵¹ in magnitude to
// the nearest integer in the current (nearest) rounding mode, without a call
// the compiler cannot vectorise. A path of more quarter turns has no fraction
// left to tell; it still gives a unit phasor, and nothing is converted to an
// integer that could overflow.
constexpr double kRoundingShift = 6755399441055744.0;

// Taylor series on |x| ≤ π/4: the first omitted terms, x¹¹/11! and x¹²/12!,
// are below 3·10⁻⁹.
inline float SinQuarter(float x) {
  const float x2 = x * x;
  return x *
         (1.0f + x2 * (-1.0f / 6 + x2 * (1.0f / 120 + x2 * (-1.0f / 5040 + x2 * (1.0f / 362880)))));
}
inline float CosQuarter(float x) {
  const float x2 = x * x;
  return 1.0f +
         x2 * (-0.5f + x2 * (1.0f / 24 +
                             x2 * (-1.0f / 720 + x2 * (1.0f / 40320 + x2 * (-1.0f / 3628800)))));
}

}  // namespace

void UnitPhasors(const double* waves, std::size_t count, float* cosines, float* sines) {
  for (std::size_t i = 0; i < count; ++i) {
    // Quarter turns: the nearest whole one picks the quadrant, the rest is
    // within ±π/4. Written without calls or integers so that it vectorises.
    const double quarters = 4.0 * waves[i];
    const double nearest = (quarters + kRoundingShift) - kRoundingShift;
    const double turns = nearest * 0.25;
    const double wholeTurns = (turns + kRoundingShift) - kRoundingShift;
    const auto quadrant = static_cast<float>(nearest - 4.0 * wholeTurns);  // -2 .. 2
    const float x = static_cast<float>((quarters - nearest) * (std::numbers::pi / 2));
    const float c = CosQuarter(x);
    const float s = SinQuarter(x);
    // A quarter turn takes (cos, sin) to (−sin, cos); −1 is 3 and −2 is 2.
    const float odd = std::abs(quadrant) == 1.0f ? 1.0f : 0.0f;
    const float turnedCos = odd * s + (1.0f - odd) * c;
    const float turnedSin = odd * c + (1.0f - odd) * s;
    const float cosSign = (quadrant > 0.5f ? -1.0f : 1.0f) * (quadrant < -1.5f ? -1.0f : 1.0f);
    const float sinSign = (quadrant < -0.5f ? -1.0f : 1.0f) * (quadrant > 1.5f ? -1.0f : 1.0f);
    cosines[i] = cosSign * turnedCos;
    sines[i] = sinSign * turnedSin;
  }
}

}  // namespace voka::camera
