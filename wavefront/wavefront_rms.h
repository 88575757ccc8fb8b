// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace voka::wavefront {

// The RMS of the wavefront over the open pupil: the standard deviation of
// the optical path difference, each pixel weighted by its amplitude (a grey
// edge pixel counts by its open fraction), piston removed and tilt kept.
// With an obstruction this differs from √Σc², since the Zernike terms are
// orthonormal over the full disk, not over the annulus. 0 when nothing is
// open or the sizes differ.
double WavefrontRmsNm(const std::vector<double>& amplitude, const std::vector<double>& opdNm);

}  // namespace voka::wavefront
