// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "pupils/pupil_design.h"

namespace voka::studies {

// Every parameter path a sweep of this design can take, as a design file
// names it: the aperture, the obstruction's diameter and offsets, each
// vane's fields for its shape, every vane's angle and width together, the
// focal length, the defocus and the Zernike terms the design holds.
std::vector<std::string> SweepPaths(const pupils::PupilDesign& design);

// The parameter's value in the design (a missing obstruction or focal
// length reads as what WithParameter would start from). The path must be
// one of SweepPaths(design).
double ParameterValue(const pupils::PupilDesign& design, const std::string& path);

}  // namespace voka::studies
