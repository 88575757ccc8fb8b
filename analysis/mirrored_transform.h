// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sine_transform/work_areas.h"

namespace voka {

// Lays the low-order quarter of the transform, T[0..255][0..255], into the
// spectrum grid mirrored about its centre: S[x][y] = T[|x - 256|][|y - 256|]
// for x and y from 1 to 511. Coefficients from index 256 up are dropped, and
// row 0 and column 0 of the spectrum are not written.
void MirrorSpectrum(const DoubleGrid transformed, DoubleGrid spectrum);

}  // namespace voka
