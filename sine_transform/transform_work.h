// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace voka {

// The sine transform keeps its trigonometric tables in two arrays that the
// caller allocates, owns, passes to every call and frees; the engine itself
// never allocates.
//
// Index array (32-bit integers):
//   [kTwiddleSizeSlot]  nw, the number of doubles in the twiddle part; 0 marks
//                       an area without tables, and the caller sets it to 0
//                       once before the first call.
//   [kCosineSizeSlot]   nc, the number of doubles in the cosine part; its
//                       first content does not matter, because every twiddle
//                       build resets it.
//   [kScratchStart...]  offsets that every bit-reversal permutation rewrites.
// Table (doubles): the twiddle part (nw doubles), then the cosine part (nc
// doubles) directly behind it, so the cosine part moves whenever the twiddle
// part changes size.
inline constexpr int kTwiddleSizeSlot = 0;
inline constexpr int kCosineSizeSlot = 1;
inline constexpr int kScratchStart = 2;

// The lengths the transform takes: powers of two from 2 on.
constexpr bool IsTransformLength(int n) {
  return n >= 2 && (n & (n - 1)) == 0;
}

// Scratch offsets a bit-reversal permutation of `length` doubles uses:
// 2^floor((log2 length - 1) / 2), about sqrt(length / 2).
constexpr int BitReverseScratchCount(int length) {
  int log2_length = 0;
  while ((1 << (log2_length + 1)) <= length) ++log2_length;
  const int half_bits = log2_length >= 1 ? (log2_length - 1) / 2 : 0;
  return 1 << half_bits;
}

// Integers the index array needs for transforms up to `longest_length`.
constexpr int TransformIndexCount(int longest_length) {
  return kScratchStart + BitReverseScratchCount(longest_length);
}

// Doubles the table needs for transforms up to `longest_length`: a quarter of
// the length for the twiddle part, the whole length for the cosine part.
constexpr int TransformTableCount(int longest_length) {
  return longest_length / 4 + longest_length;
}

static_assert(TransformIndexCount(512) == 18);
static_assert(TransformTableCount(512) == 640);

// Sets index[0] to nw and index[1] to 1 (so the cosine part behind it is
// rebuilt), then, for nw > 2, fills the twiddle part `w` with the nw/2 pairs
// T[p] = e^(i*pi*r(p)/nw), r reversing the log2(nw/2) bits of p: the angles
// 0 <= theta < pi/2 in bit-reversed order. In that order the first entries of
// a long table are the whole table of every shorter one.
void BuildTwiddleTable(int nw, std::int32_t* index, double* w);

// Sets index[1] to nc and, for nc > 1, fills the cosine part `cs`:
// cs[0] = cos(pi/4), cs[i] = cos(pi*i/(2*nc))/2 for 0 < i < nc.
void BuildCosineTable(int nc, std::int32_t* index, double* cs);

// Makes sure the tables serve a transform of length n: rebuilds the twiddle
// part when n > 4*nw (which brings a new cosine part too) and the cosine part
// when n > nc. Tables built for a longer length are used as they are.
void EnsureTables(int n, std::int32_t* index, double* table);

}  // namespace voka
