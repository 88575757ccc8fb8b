// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

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

}  // namespace voka
