// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "psf/pupil_amplitude.h"

namespace voka::psf::test {

// Test pupils whose pixels hold the exact open fraction of the pixel
// (pixel (row, column) covers [column, column + 1] x [row, row + 1], y down),
// so that comparisons with continuous optics need no sampling allowance.

// Area of the pixel inside a disc of the radius around (centreX, centreY).
double DiscCoverage(int row, int column, double centreX, double centreY, double radius);

// An annulus of outer diameter `side` centred on the grid, with the
// obstruction (radius obstructionRatio * side / 2) centred at an offset in
// pixels. A ratio of 0 gives the clear aperture.
PupilAmplitude AnnularPupil(int side, double obstructionRatio, double obstructionOffsetX = 0.0,
                            double obstructionOffsetY = 0.0);

// The centred annulus with straight radial vanes of the full width (pixels)
// at the angles (degrees counter-clockwise from +x, y up).
PupilAmplitude VanedPupil(int side, double obstructionRatio, double vaneWidthPixels,
                          const std::vector<double>& vaneAnglesDeg);

// Adds an opaque arc (a curved vane) of the width, centred on a circle of
// the radius around (centreX, centreY), by sampling each pixel finely. Only
// for comparisons that do not depend on exactness.
void AddCurvedVane(PupilAmplitude& pupil, double centreX, double centreY, double radius,
                   double widthPixels);

}  // namespace voka::psf::test
