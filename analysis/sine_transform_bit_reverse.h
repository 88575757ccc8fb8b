#pragma once

#include <cstdint>

#include "analysis/sine_transform_lane.h"

namespace voka {

// Permutes the length/2 complex pairs of `a` (pair p = elements 2p, 2p+1) so
// that pair p moves to pair r(p), r reversing the log2(length/2) bits of p.
// `scratch` (the index array from its scratch slots on) receives about
// sqrt(length/2) offsets and is rewritten on every call. length is a power of
// two of at least 2.
void BitReversePairs(int length, std::int32_t* scratch, double* a);

namespace lanes {

template <class Lane>
VOKA_LANE_INLINE void SwapPairs(typename Lane::V* a, int first, int second) {
  const typename Lane::V re = a[first];
  const typename Lane::V im = a[first + 1];
  a[first] = a[second];
  a[first + 1] = a[second + 1];
  a[second] = re;
  a[second + 1] = im;
}

// Builds the offsets of the high half of the bits, then swaps each pair with
// its mirror once: the low half of the bits is covered by the loop indices.
template <class Lane>
void BitReversePairs(int length, std::int32_t* scratch, typename Lane::V* a) {
  std::int32_t* s = scratch;
  s[0] = 0;
  int l = length;
  int m = 1;
  while (4 * m < l) {
    l /= 2;
    for (int j = 0; j < m; ++j) s[m + j] = s[j] + l;
    m *= 2;
  }
  if (4 * m > l) {
    for (int k = 1; k < m; ++k) {
      for (int j = 0; j < k; ++j) SwapPairs<Lane>(a, 2 * j + s[k], 2 * k + s[j]);
    }
    return;
  }
  // An odd number of bits: the middle bit stays where it is, so every swap
  // is repeated with that bit set.
  const int m2 = 2 * m;
  for (int k = 1; k < m; ++k) {
    for (int j = 0; j < k; ++j) {
      const int first = 2 * j + s[k];
      const int second = 2 * k + s[j];
      SwapPairs<Lane>(a, first, second);
      SwapPairs<Lane>(a, first + m2, second + m2);
    }
  }
}

}  // namespace lanes
}  // namespace voka
