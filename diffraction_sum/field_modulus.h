// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diffraction_sum/diffraction_sum.h"

namespace voka {

// Fills modulus[i][j] = sqrt(real^2 + imag^2) and returns the largest value
// (0 for an all-zero field), scanning i then j; a later equal value counts as
// the maximum too.
double ModulusAndMaximum(const ImageField& field, double modulus[kImagePoints][kImagePoints]);

}  // namespace voka
