// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace voka::camera {

// cos and sin of 2π·waves for each of `count` values, in single precision,
// the whole turns removed in double so that a path of many waves keeps its
// fraction: the pupil field needs one per sample and wavelength, and the
// library's sin and cos in double cost several times the products' share.
// Accurate to a few parts in 10⁸.
void UnitPhasors(const double* waves, std::size_t count, float* cosines, float* sines);

}  // namespace voka::camera
