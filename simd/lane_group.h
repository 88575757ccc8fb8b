// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Several lane vectors handled as one wider vector. The inner work of the
// diffraction sum is one long chain of dependent operations (square root, two
// divisions, the sine and cosine polynomials), too long for the processor to
// overlap one chain with the next on its own; doing each operation for a group
// of independent vectors in turn keeps its arithmetic units busy. Every part
// still computes exactly what a single lane would.
//
// Templates only, for the reason given in scalar_lanes.h.

#include <type_traits>

namespace voka::simd {

template <class V, int kCount>
struct LaneGroup {
  static constexpr int kParts = kCount;
  V part[kCount];
};

template <class T>
struct IsLaneGroup {
  static constexpr bool value = false;
};
template <class V, int kCount>
struct IsLaneGroup<LaneGroup<V, kCount>> {
  static constexpr bool value = true;
};

// The operands of group arithmetic: a group, or a double taken for every lane.
template <class V, int kCount>
[[gnu::always_inline]] inline const V& PartOf(const LaneGroup<V, kCount>& group, int g) {
  return group.part[g];
}
template <class T>
requires std::is_same_v<T, double>
[[gnu::always_inline]] inline T PartOf(T value, int) {
  return value;
}

template <class A, class B>
using GroupOf = std::conditional_t<IsLaneGroup<A>::value, A, B>;

template <class A, class B>
concept GroupOperands = IsLaneGroup<A>::value || IsLaneGroup<B>::value;

template <class A, class B>
requires GroupOperands<A, B>
[[gnu::always_inline]] inline GroupOf<A, B> operator+(const A& a, const B& b) {
  GroupOf<A, B> result;
#pragma GCC unroll 8
  for (int g = 0; g < GroupOf<A, B>::kParts; ++g) result.part[g] = PartOf(a, g) + PartOf(b, g);
  return result;
}
template <class A, class B>
requires GroupOperands<A, B>
[[gnu::always_inline]] inline GroupOf<A, B> operator-(const A& a, const B& b) {
  GroupOf<A, B> result;
#pragma GCC unroll 8
  for (int g = 0; g < GroupOf<A, B>::kParts; ++g) result.part[g] = PartOf(a, g) - PartOf(b, g);
  return result;
}
template <class A, class B>
requires GroupOperands<A, B>
[[gnu::always_inline]] inline GroupOf<A, B> operator*(const A& a, const B& b) {
  GroupOf<A, B> result;
#pragma GCC unroll 8
  for (int g = 0; g < GroupOf<A, B>::kParts; ++g) result.part[g] = PartOf(a, g) * PartOf(b, g);
  return result;
}
template <class A, class B>
requires GroupOperands<A, B>
[[gnu::always_inline]] inline GroupOf<A, B> operator/(const A& a, const B& b) {
  GroupOf<A, B> result;
#pragma GCC unroll 8
  for (int g = 0; g < GroupOf<A, B>::kParts; ++g) result.part[g] = PartOf(a, g) / PartOf(b, g);
  return result;
}

// `kCount` vectors of `Lanes` side by side, themselves a lane type.
template <class Lanes, int kCount>
struct GroupedLanes {
  using Part = typename Lanes::V;
  using V = LaneGroup<Part, kCount>;
  static constexpr int kWidth = Lanes::kWidth * kCount;

  [[gnu::always_inline]] static V Load(const double* source) {
    V result;
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) result.part[g] = Lanes::Load(source + g * Lanes::kWidth);
    return result;
  }
  [[gnu::always_inline]] static void Store(double* target, const V& value) {
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) Lanes::Store(target + g * Lanes::kWidth, value.part[g]);
  }
  [[gnu::always_inline]] static V Sqrt(const V& value) {
    V result;
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) result.part[g] = Lanes::Sqrt(value.part[g]);
    return result;
  }
  [[gnu::always_inline]] static bool AnyAbsAbove(const V& value, double limit) {
    bool any = false;
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) any |= Lanes::AnyAbsAbove(value.part[g], limit);
    return any;
  }
  [[gnu::always_inline]] static V TruncateToInt32(const V& value) {
    V result;
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) result.part[g] = Lanes::TruncateToInt32(value.part[g]);
    return result;
  }
  [[gnu::always_inline]] static void PlaceInQuadrant(const V& shifted, const V& s, const V& c,
                                                     V& sine, V& cosine) {
#pragma GCC unroll 8
    for (int g = 0; g < kCount; ++g) {
      Lanes::PlaceInQuadrant(shifted.part[g], s.part[g], c.part[g], sine.part[g], cosine.part[g]);
    }
  }
};

}  // namespace voka::simd
