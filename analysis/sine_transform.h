#pragma once

#include <cstdint>

#include "analysis/sine_transform_bit_reverse.h"
#include "analysis/sine_transform_complex.h"
#include "analysis/sine_transform_real_split.h"
#include "analysis/sine_transform_tables.h"
#include "analysis/sine_transform_twiddle_step.h"
#include "analysis/transform_work.h"

namespace voka {

// The discrete sine transform of the n doubles of `a`, in place, without a
// scale factor. n is a power of two of at least 2; `index` and `table` are a
// TransformWork area (see transform_work.h) sized for the longest length ever
// passed, whose tables are built on first use and reused.
//
// sign >= 0: with A[j] = a[j] for 1 <= j < n and A[n] = a[0],
//   a[k] = sum over j = 1..n of A[j] * sin(pi*j*(k + 1/2)/n),  k = 0..n-1.
// sign < 0: with S[k] = sum over j = 0..n-1 of a[j] * sin(pi*(j + 1/2)*k/n),
//   a[k] = S[k] for 1 <= k < n and a[0] = S[n].
// Transforming with sign -1, halving a[0], transforming with sign +1 and
// scaling by 2/n gives the input back.
void SineTransform(int n, int sign, double* a, std::int32_t* index, double* table);

namespace lanes {

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
      RealSplitBackward<Lane>(n, a, nc, cs);
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
      RealSplitForward<Lane>(n, a, nc, cs);
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

}  // namespace lanes
}  // namespace voka
