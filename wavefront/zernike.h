// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Zernike polynomials in Noll's ordering and normalisation: R. J. Noll,
// "Zernike polynomials and atmospheric turbulence", J. Opt. Soc. Am. 66,
// 207-211 (1976). Orthonormal over the unit disk (each term's RMS over the
// disk is 1); j = 1 piston, 2 x-tilt, 3 y-tilt, 4 defocus, 5 and 6
// astigmatism, 7 and 8 coma, 9 and 10 trefoil, 11 spherical. For m ≠ 0 an
// even j is the cosine term and an odd j the sine term.

#include "limits/limits.h"

namespace voka::wavefront {

// The largest Noll index offered: up to the sixth radial order.
inline constexpr int kMaximumNollIndex = static_cast<int>(limits::NollIndex().maximum);

// Radial order n and azimuthal frequency m of a Noll index (m ≥ 0; the
// sine or cosine is told by `cosine`).
struct ZernikeOrder {
  int radialOrder = 0;
  int azimuthalFrequency = 0;
  bool cosine = true;  // for m = 0 there is neither, and this stays true
};

// j must be at least 1.
ZernikeOrder NollOrder(int nollIndex);

// The value of term j at polar radius ρ (0..1 on the disk) and angle φ
// (radians, counter-clockwise from +x).
double ZernikeValue(int nollIndex, double radius, double angleRadians);

}  // namespace voka::wavefront
