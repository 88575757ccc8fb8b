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

// amplitude · exp(2πi · pathNm · turnsPerNm) for each of `count` samples, as
// real and imaginary parts: a pupil field at one wavelength (turnsPerNm =
// 1/λ) from its optical path, in one pass over the samples.
void ScaledUnitPhasors(const double* pathNm, double turnsPerNm, const float* amplitude,
                       std::size_t count, float* real, float* imaginary);

}  // namespace voka::camera
