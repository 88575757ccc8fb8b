#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace voka::detail {

// One lane: plain doubles. The portable path of the diffraction sum and the
// model of what each lane of the vector paths does.
struct ScalarLanes {
  using V = double;
  static constexpr int kWidth = 1;

  static V Load(const double* source) { return *source; }
  static void Store(double* target, V value) { *target = value; }
  static V Sqrt(V value) { return std::sqrt(value); }
  static bool AnyAbsAbove(V value, double limit) { return std::abs(value) > limit; }

  // Toward zero as a 32-bit integer. Out of range or NaN gives the smallest
  // integer, as the x86 conversion instructions of the vector paths do.
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

}  // namespace voka::detail
