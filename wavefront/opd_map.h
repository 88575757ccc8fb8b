// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <vector>

namespace voka::wavefront {

// The optical path difference in nanometres on a side x side pupil grid
// (row-major, top row first, x right, y up), from Zernike coefficients in nm
// RMS. The unit disk is the aperture: the disk of diameter `side` pixels
// centred on the grid, sampled at the pixel centres. The polynomials go on
// smoothly past the rim: a rim pixel whose centre lies just outside still
// lets part of its light through, and a bitmap may open the corners. Empty
// for a side below 1 or a Noll index outside 1..kMaximumNollIndex.
std::vector<double> OpdMapNm(const std::map<int, double>& zernikeRmsNm, int side);

}  // namespace voka::wavefront
