// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "limits/limits.h"

namespace voka::camera {

// The most sub-samples per sensor pixel and side: a pixel of 50 λ/D (a long
// focal ratio's opposite) needs no finer sampling to be integrated well.
inline constexpr int kMaximumSubsamples = static_cast<int>(limits::Subsamples().maximum);

// Sub-samples per pixel side: the smallest s ≥ 2 for which a sub-sample,
// p / (F·s) radians, is at most λ₁/(2D), Nyquist at the shortest sampled
// wavelength λ₁. 0 when the values are not positive and finite or s would
// exceed kMaximumSubsamples.
int SubsamplesPerPixel(double pixelPitchUm, double focalLengthMm, double shortestWavelengthNm,
                       double apertureDiameterMm);

// Sums each s x s block of a (pixels·s)² plane (row-major) into one pixel:
// a sensor pixel collects all the light that falls on it, so this is its box
// response, applied once. Empty when the sizes do not match.
std::vector<double> SumSubsamples(const std::vector<double>& fine, int pixelsPerSide,
                                  int subsamples);

}  // namespace voka::camera
