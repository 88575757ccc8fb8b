// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/transform_work.h"

#include <cmath>

#include "simd/scalar_lanes.h"
#include "sine_transform/complex_transform.h"

namespace voka {

void BuildTwiddleTable(int nw, std::int32_t* index, double* w) {
  index[kTwiddleSizeSlot] = nw;
  index[kCosineSizeSlot] = 1;
  // Lengths up to 8 need no twiddles.
  if (nw <= 2) return;
  const int h = nw / 2;
  const double delta = std::atan(1.0) / h;  // pi / (2 nw)
  w[0] = 1;
  w[1] = 0;
  w[h] = std::cos(h * delta);
  w[h + 1] = w[h];
  // Angles above pi/4 are the mirror images of those below it.
  for (int j = 2; j < h; j += 2) {
    const double x = std::cos(j * delta);
    const double y = std::sin(j * delta);
    w[j] = x;
    w[j + 1] = y;
    w[nw - j] = y;
    w[nw - j + 1] = x;
  }
  lanes::BitReversePairs<simd::ScalarLanes>(nw, index + kScratchStart, w);
}

void BuildCosineTable(int nc, std::int32_t* index, double* cs) {
  index[kCosineSizeSlot] = nc;
  if (nc <= 1) return;
  const int h = nc / 2;
  const double delta = std::atan(1.0) / h;  // pi / (2 nc)
  cs[0] = std::cos(h * delta);
  cs[h] = 0.5 * cs[0];
  for (int j = 1; j < h; ++j) {
    cs[j] = 0.5 * std::cos(j * delta);
    cs[nc - j] = 0.5 * std::sin(j * delta);
  }
}

void EnsureTables(int n, std::int32_t* index, double* table) {
  int nw = index[kTwiddleSizeSlot];
  if (n > 4 * nw) {
    nw = n / 4;
    BuildTwiddleTable(nw, index, table);
  }
  if (n > index[kCosineSizeSlot]) BuildCosineTable(n, index, table + nw);
}

}  // namespace voka
