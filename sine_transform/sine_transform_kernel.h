// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sine transform over a lane type (simd/scalar_lanes.h), and the block
// transforms that run several rows or columns of a grid at once, one per
// SIMD lane. Each lane goes through exactly the operations of the scalar
// transform in the same order, so every element comes out bit for bit as the
// one-at-a-time transform leaves it. Templates only, so that a file built for
// a wider instruction set instantiates them with its own lane type.

#include <cstdint>

#include "sine_transform/complex_transform.h"
#include "sine_transform/transform_work.h"
#include "sine_transform/work_areas.h"

namespace voka::lanes {

// sign < 0: a[j+1] := -a[j] - a[j-1], a[j] := a[j] - a[j-1] from the top
// down, so that the sine sums become a real Fourier transform.
template <class Lane>
void FoldInput(int n, typename Lane::V* a) {
  const auto x = a[n - 1];
  for (int j = n - 2; j >= 2; j -= 2) {
    a[j + 1] = -a[j] - a[j - 1];
    a[j] = a[j] - a[j - 1];
  }
  a[1] = a[0] + x;
  a[0] = a[0] - x;
}

// sign >= 0: turns the real Fourier transform back into the sine sums.
template <class Lane>
void UnfoldOutput(int n, typename Lane::V* a) {
  const auto x = a[0] - a[1];
  a[0] = a[0] + a[1];
  for (int j = 2; j < n; j += 2) {
    a[j - 1] = -a[j] - a[j + 1];
    a[j] = a[j] - a[j + 1];
  }
  a[n - 1] = -x;
}

// Separates the spectrum of the n real values from that of the n/2 complex
// pairs the complex transform has just produced (forward), or prepares the
// pairs for the conjugated complex transform (backward). `cs` is the cosine
// part of the table, built for nc >= n doubles, read with the stride 4*nc/n.
template <class Lane, bool kBackward>
void RealSplit(int n, typename Lane::V* a, int nc, const double* cs) {
  if constexpr (kBackward) a[1] = -a[1];
  const int ks = 4 * nc / n;
  int kk = 0;
  for (int j = 2; j < n / 2; j += 2) {
    const int k = n - j;
    kk += ks;
    const auto wr = Lane::Splat(0.5 - cs[nc - kk]);
    const auto wi = Lane::Splat(cs[kk]);
    const auto xr = a[j] - a[k];
    const auto xi = a[j + 1] + a[k + 1];
    if constexpr (kBackward) {
      const auto yr = wr * xr + wi * xi;
      const auto yi = wr * xi - wi * xr;
      a[j] = a[j] - yr;
      a[j + 1] = yi - a[j + 1];
      a[k] = a[k] + yr;
      a[k + 1] = yi - a[k + 1];
    } else {
      const auto yr = wr * xr - wi * xi;
      const auto yi = wr * xi + wi * xr;
      a[j] = a[j] - yr;
      a[j + 1] = a[j + 1] - yi;
      a[k] = a[k] + yr;
      a[k + 1] = a[k + 1] - yi;
    }
  }
  if constexpr (kBackward) a[n / 2 + 1] = -a[n / 2 + 1];
}

// The sine rotation step: pairs element j with element n-j and rotates them by
// theta = pi*j/(2n), with wr = (cos theta - sin theta)/2 and
// wi = (cos theta + sin theta)/2 read from the cosine part `cs` (built for
// nc >= n doubles, stride nc/n); element n/2 is scaled by cos(pi/4).
template <class Lane>
void SineTwiddleStep(int n, typename Lane::V* a, int nc, const double* cs) {
  const int ks = nc / n;
  int kk = 0;
  for (int j = 1; j < n / 2; ++j) {
    const int k = n - j;
    kk += ks;
    const auto wr = Lane::Splat(cs[kk] - cs[nc - kk]);
    const auto wi = Lane::Splat(cs[kk] + cs[nc - kk]);
    const auto x = wi * a[k] - wr * a[j];
    a[k] = wr * a[k] + wi * a[j];
    a[j] = x;
  }
  a[n / 2] = a[n / 2] * Lane::Splat(cs[0]);
}

// The transform once the tables serve length n. Lengths 2 and 4 need no
// permutation and no split step; length 2 not even a complex pass.
template <class Lane>
void SineTransformWithTables(int n, int sign, typename Lane::V* a, std::int32_t* index,
                             const double* table) {
  const int nw = index[kTwiddleSizeSlot];
  const int nc = index[kCosineSizeSlot];
  const double* w = table;
  const double* cs = table + nw;
  if (sign < 0) {
    FoldInput<Lane>(n, a);
    if (n > 4) {
      RealSplit<Lane, true>(n, a, nc, cs);
      BitReversePairs<Lane>(n, index + kScratchStart, a);
      ComplexBackward<Lane>(n, a, w);
    } else if (n == 4) {
      ComplexForward<Lane>(n, a, w);
    }
  }
  SineTwiddleStep<Lane>(n, a, nc, cs);
  if (sign >= 0) {
    if (n > 4) {
      BitReversePairs<Lane>(n, index + kScratchStart, a);
      ComplexForward<Lane>(n, a, w);
      RealSplit<Lane, false>(n, a, nc, cs);
    } else if (n == 4) {
      ComplexForward<Lane>(n, a, w);
    }
    UnfoldOutput<Lane>(n, a);
  }
}

template <class Lane>
void SineTransform(int n, int sign, typename Lane::V* a, std::int32_t* index, double* table) {
  EnsureTables(n, index, table);
  SineTransformWithTables<Lane>(n, sign, a, index, table);
}

// The block transforms keep their lane buffers on the stack, so the driver
// needs no memory of its own; they take sequences up to this length.
inline constexpr int kMaxBlockLength = kGridSize;

// Transforms rows[0] .. rows[kWidth-1], each of length ncol >= kWidth.
template <class Lane>
void TransformRowBlock(int ncol, int sign, double* const* rows, std::int32_t* index,
                       double* table) {
  alignas(64) typename Lane::V buffer[kMaxBlockLength];
  for (int k = 0; k < ncol; k += Lane::kWidth) Lane::TransposeIn(rows, k, buffer + k);
  SineTransform<Lane>(ncol, sign, buffer, index, table);
  for (int k = 0; k < ncol; k += Lane::kWidth) Lane::TransposeOut(buffer + k, rows, k);
}

// Transforms columns first .. first+kWidth-1 of the nrow rows of grid.
template <class Lane>
void TransformColumnBlock(int nrow, int sign, double* const* grid, int first, std::int32_t* index,
                          double* table) {
  alignas(64) typename Lane::V buffer[kMaxBlockLength];
  for (int i = 0; i < nrow; ++i) buffer[i] = Lane::Load(grid[i] + first);
  SineTransform<Lane>(nrow, sign, buffer, index, table);
  for (int i = 0; i < nrow; ++i) Lane::Store(grid[i] + first, buffer[i]);
}

// The AVX2 block transforms, in a file of their own built for that set.
void TransformRowBlockAvx2(int ncol, int sign, double* const* rows, std::int32_t* index,
                           double* table);
void TransformColumnBlockAvx2(int nrow, int sign, double* const* grid, int first,
                              std::int32_t* index, double* table);

}  // namespace voka::lanes
