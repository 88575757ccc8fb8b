// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/mirrored_transform.h"

#include <cstdlib>

namespace voka {

namespace {

constexpr int kCentre = kGridSize / 2;

}  // namespace

// Every cell of the mirrored area takes one coefficient, and cells that the
// four-fold mirroring reaches twice take the same one, so the cells can be
// filled in any order: row by row, which walks memory in order.
void MirrorSpectrum(const DoubleGrid transformed, DoubleGrid spectrum) {
  for (int x = 1; x < kGridSize; ++x) {
    const double* source = transformed[std::abs(x - kCentre)];
    double* target = spectrum[x];
    for (int y = 1; y < kGridSize; ++y) target[y] = source[std::abs(y - kCentre)];
  }
}

}  // namespace voka
