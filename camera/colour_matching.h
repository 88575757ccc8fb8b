// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace voka::camera {

// The CIE 1931 2° colour-matching functions x̄, ȳ, z̄ at a wavelength, from
// the multi-lobe piecewise Gaussian fit of C. Wyman, P.-P. Sloan and
// P. Shirley, "Simple Analytic Approximations to the CIE XYZ Color Matching
// Functions", Journal of Computer Graphics Techniques 2(2), 1-11 (2013).
std::array<double, 3> CieXyzMatching(double wavelengthNm);

// Linear sRGB from CIE XYZ, with the matrix of IEC 61966-2-1 (D65 white).
std::array<double, 3> LinearSrgbFromXyz(const std::array<double, 3>& xyz);

// The sRGB transfer curve of IEC 61966-2-1: linear [0, 1] to encoded [0, 1].
double SrgbEncoded(double linear);

}  // namespace voka::camera
