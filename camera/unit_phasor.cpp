#include "camera/unit_phasor.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace voka::camera {

namespace {

// Adding and subtracting 1.5·2⁵² rounds a double below 2⁵¹ in magnitude to
// the nearest integer in the current (nearest) rounding mode, without a call
// the compiler cannot vectorise.
constexpr double kRoundingShift = 6755399441055744.0;
// Beyond this many quarter turns a double holds no fraction of a turn; the
// path is brought down to its last turn so that the conversion below stays in
// range.
constexpr double kLargestQuarters = 1e15;

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
    // within ±π/4.
    double quarters = 4.0 * waves[i];
    if (!(std::abs(quarters) < kLargestQuarters)) quarters = std::fmod(quarters, 4.0);
    const double nearest = (quarters + kRoundingShift) - kRoundingShift;
    const float x = static_cast<float>((quarters - nearest) * (std::numbers::pi / 2));
    const float c = CosQuarter(x);
    const float s = SinQuarter(x);
    const auto quadrant = static_cast<std::int64_t>(nearest) & 3;
    // A quarter turn takes (cos, sin) to (−sin, cos).
    cosines[i] = quadrant == 0 ? c : quadrant == 1 ? -s : quadrant == 2 ? -c : s;
    sines[i] = quadrant == 0 ? s : quadrant == 1 ? c : quadrant == 2 ? -s : -c;
  }
}

}  // namespace voka::camera
