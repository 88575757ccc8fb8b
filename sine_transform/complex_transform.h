// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The complex Fourier transform at the heart of the sine transform, over a
// lane type (simd/scalar_lanes.h): the bit-reversal permutation of the pairs
// and the radix-4 passes. Templates only.

#include <cstdint>

#include "simd/scalar_lanes.h"

namespace voka::lanes {

template <class Lane>
VOKA_LANE_INLINE void SwapPairs(typename Lane::V* a, int first, int second) {
  const typename Lane::V re = a[first];
  const typename Lane::V im = a[first + 1];
  a[first] = a[second];
  a[first + 1] = a[second + 1];
  a[second] = re;
  a[second + 1] = im;
}

// Permutes the length/2 complex pairs of `a` (pair p = elements 2p, 2p+1) so
// that pair p moves to pair r(p), r reversing the log2(length/2) bits of p.
// `scratch` (the index array from its scratch slots on) receives about
// sqrt(length/2) offsets and is rewritten on every call. length is a power of
// two of at least 2.
//
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

// Sums and differences of the four pairs u0..u3 of one butterfly at
// distance l: x0 = u0 + u1, x1 = u0 - u1, x2 = u2 + u3, x3 = u2 - u3.
template <class Lane>
struct ButterflySums {
  typename Lane::V x0r, x0i, x1r, x1i, x2r, x2i, x3r, x3i;
};

template <class Lane>
VOKA_LANE_INLINE ButterflySums<Lane> ReadButterfly(const typename Lane::V* a, int j, int l) {
  const auto* u0 = a + j;
  const auto* u1 = u0 + l;
  const auto* u2 = u1 + l;
  const auto* u3 = u2 + l;
  return {u0[0] + u1[0], u0[1] + u1[1], u0[0] - u1[0], u0[1] - u1[1],
          u2[0] + u3[0], u2[1] + u3[1], u2[0] - u3[0], u2[1] - u3[1]};
}

// W1 = W2 = W3 = 1: x0 + x2, x1 + i*x3, x0 - x2, x1 - i*x3 at j, j+l, j+2l, j+3l.
template <class Lane>
VOKA_LANE_INLINE void StorePlain(typename Lane::V* a, int j, int l, const ButterflySums<Lane>& x) {
  a[j] = x.x0r + x.x2r;
  a[j + 1] = x.x0i + x.x2i;
  a[j + l] = x.x1r - x.x3i;
  a[j + l + 1] = x.x1i + x.x3r;
  a[j + 2 * l] = x.x0r - x.x2r;
  a[j + 2 * l + 1] = x.x0i - x.x2i;
  a[j + 3 * l] = x.x1r + x.x3i;
  a[j + 3 * l + 1] = x.x1i - x.x3r;
}

// StorePlain with every result conjugated.
template <class Lane>
VOKA_LANE_INLINE void StorePlainConjugate(typename Lane::V* a, int j, int l,
                                          const ButterflySums<Lane>& x) {
  a[j] = x.x0r + x.x2r;
  a[j + 1] = -(x.x0i + x.x2i);
  a[j + l] = x.x1r - x.x3i;
  a[j + l + 1] = -(x.x1i + x.x3r);
  a[j + 2 * l] = x.x0r - x.x2r;
  a[j + 2 * l + 1] = -(x.x0i - x.x2i);
  a[j + 3 * l] = x.x1r + x.x3i;
  a[j + 3 * l + 1] = -(x.x1i - x.x3r);
}

// W1 = e^(i*pi/4), W2 = i, W3 = e^(3i*pi/4), with the single factor
// r = cos(pi/4): y = x1 + i*x3 becomes r*(y.re - y.im, y.re + y.im),
// z = x1 - i*x3 becomes r*(-z.re - z.im, z.re - z.im).
template <class Lane>
VOKA_LANE_INLINE void StoreEighth(typename Lane::V* a, int j, int l, const ButterflySums<Lane>& x,
                                  typename Lane::V r) {
  a[j] = x.x0r + x.x2r;
  a[j + 1] = x.x0i + x.x2i;
  a[j + 2 * l] = x.x2i - x.x0i;
  a[j + 2 * l + 1] = x.x0r - x.x2r;
  const auto yr = x.x1r - x.x3i;
  const auto yi = x.x1i + x.x3r;
  a[j + l] = r * (yr - yi);
  a[j + l + 1] = r * (yr + yi);
  const auto zr = x.x1r + x.x3i;
  const auto zi = x.x1i - x.x3r;
  a[j + 3 * l] = r * (-zr - zi);
  a[j + 3 * l + 1] = r * (zr - zi);
}

// The factors e^(i*theta), e^(2i*theta), e^(3i*theta) of one group, W3 made
// from W1 and W2.
template <class Lane>
struct GroupFactors {
  typename Lane::V w1r, w1i, w2r, w2i, w3r, w3i;
};

template <class Lane>
VOKA_LANE_INLINE GroupFactors<Lane> MakeFactors(double w2r, double w2i, double w1r, double w1i) {
  const double w3r = w1r - 2 * w2i * w1i;
  const double w3i = 2 * w2i * w1r - w1i;
  return {Lane::Splat(w1r), Lane::Splat(w1i), Lane::Splat(w2r),
          Lane::Splat(w2i), Lane::Splat(w3r), Lane::Splat(w3i)};
}

// x0 + x2 at j, W2*(x0 - x2) at j+2l, W1*(x1 + i*x3) at j+l, W3*(x1 - i*x3)
// at j+3l, with W*x = (W.re*x.re - W.im*x.im, W.re*x.im + W.im*x.re).
template <class Lane>
VOKA_LANE_INLINE void StoreTwiddled(typename Lane::V* a, int j, int l, const ButterflySums<Lane>& x,
                                    const GroupFactors<Lane>& f) {
  a[j] = x.x0r + x.x2r;
  a[j + 1] = x.x0i + x.x2i;
  const auto dr = x.x0r - x.x2r;
  const auto di = x.x0i - x.x2i;
  a[j + 2 * l] = f.w2r * dr - f.w2i * di;
  a[j + 2 * l + 1] = f.w2r * di + f.w2i * dr;
  const auto yr = x.x1r - x.x3i;
  const auto yi = x.x1i + x.x3r;
  a[j + l] = f.w1r * yr - f.w1i * yi;
  a[j + l + 1] = f.w1r * yi + f.w1i * yr;
  const auto zr = x.x1r + x.x3i;
  const auto zi = x.x1i - x.x3r;
  a[j + 3 * l] = f.w3r * zr - f.w3i * zi;
  a[j + 3 * l + 1] = f.w3r * zi + f.w3i * zr;
}

// Group 2g uses W2 = T[g], W1 = T[2g]; group 2g+1 uses W2 = i*T[g],
// W1 = T[2g+1]. The bit-reversed table makes W2 = W1^2 in both.
template <class Lane>
VOKA_LANE_INLINE GroupFactors<Lane> EvenGroupFactors(const double* w, int g) {
  return MakeFactors<Lane>(w[2 * g], w[2 * g + 1], w[4 * g], w[4 * g + 1]);
}

template <class Lane>
VOKA_LANE_INLINE GroupFactors<Lane> OddGroupFactors(const double* w, int g) {
  return MakeFactors<Lane>(-w[2 * g + 1], w[2 * g], w[4 * g + 2], w[4 * g + 3]);
}

// One radix-4 pass with butterfly distance `l` (in doubles) over groups of 4l
// doubles.
template <class Lane>
void RadixFourStage(int n, int l, typename Lane::V* a, const double* w) {
  const int m = 4 * l;
  for (int j = 0; j < l; j += 2) StorePlain<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l));
  const auto r = Lane::Splat(w[2]);
  for (int j = m; j < m + l; j += 2) StoreEighth<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l), r);
  for (int g = 1; 2 * g * m < n; ++g) {
    const int even = 2 * g * m;
    const GroupFactors<Lane> fe = EvenGroupFactors<Lane>(w, g);
    for (int j = even; j < even + l; j += 2) {
      StoreTwiddled<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l), fe);
    }
    const int odd = even + m;
    const GroupFactors<Lane> fo = OddGroupFactors<Lane>(w, g);
    for (int j = odd; j < odd + l; j += 2) {
      StoreTwiddled<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l), fo);
    }
  }
}

// Distance 2: each group is one butterfly over 8 doubles, and a block of 16
// doubles holds the two groups that share T[g].
template <class Lane>
void FirstRadixFourStage(int n, typename Lane::V* a, const double* w) {
  constexpr int l = 2;
  StorePlain<Lane>(a, 0, l, ReadButterfly<Lane>(a, 0, l));
  StoreEighth<Lane>(a, 8, l, ReadButterfly<Lane>(a, 8, l), Lane::Splat(w[2]));
  for (int j = 16, g = 1; j < n; j += 16, ++g) {
    StoreTwiddled<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l), EvenGroupFactors<Lane>(w, g));
    StoreTwiddled<Lane>(a, j + 8, l, ReadButterfly<Lane>(a, j + 8, l), OddGroupFactors<Lane>(w, g));
  }
}

// The last pass when 2l = n: pair j := u0 + u1, pair j+l := u0 - u1.
template <class Lane, bool kConjugate>
void LastRadixTwo(int l, typename Lane::V* a) {
  for (int j = 0; j < l; j += 2) {
    auto* u0 = a + j;
    auto* u1 = u0 + l;
    const auto sr = u0[0] + u1[0];
    const auto si = u0[1] + u1[1];
    const auto dr = u0[0] - u1[0];
    const auto di = u0[1] - u1[1];
    u0[0] = sr;
    u1[0] = dr;
    if constexpr (kConjugate) {
      u0[1] = -si;
      u1[1] = -di;
    } else {
      u0[1] = si;
      u1[1] = di;
    }
  }
}

template <class Lane, bool kConjugate>
void ComplexTransform(int n, typename Lane::V* a, const double* w) {
  int l = 2;
  if (n > 8) {
    FirstRadixFourStage<Lane>(n, a, w);
    l = 8;
    while (4 * l < n) {
      RadixFourStage<Lane>(n, l, a, w);
      l *= 4;
    }
  }
  if (4 * l == n) {
    for (int j = 0; j < l; j += 2) {
      if constexpr (kConjugate) {
        StorePlainConjugate<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l));
      } else {
        StorePlain<Lane>(a, j, l, ReadButterfly<Lane>(a, j, l));
      }
    }
  } else {
    LastRadixTwo<Lane, kConjugate>(l, a);
  }
}

// The complex transform of the n/2 pairs of `a` (pair p = elements 2p, 2p+1),
// which BitReversePairs has put into bit-reversed order: pair k becomes
// X[k] = sum over p of z[p] * e^(+2*pi*i*p*k/(n/2)), z being the pairs before
// the permutation. `w` is the twiddle part of the table, built for at least
// n/4 doubles. Radix-4 passes, the last one radix 4 or radix 2. ComplexBackward
// gives its result complex conjugated: the same passes, only the last one
// stores conjugates.
template <class Lane>
void ComplexForward(int n, typename Lane::V* a, const double* w) {
  ComplexTransform<Lane, false>(n, a, w);
}

template <class Lane>
void ComplexBackward(int n, typename Lane::V* a, const double* w) {
  ComplexTransform<Lane, true>(n, a, w);
}

}  // namespace voka::lanes
