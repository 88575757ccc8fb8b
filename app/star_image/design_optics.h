// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "pupils/pupil_design.h"

namespace voka {

// What the star-image window takes from a design besides its pupil: the
// focal length for the image's scale, when the design states one, and the
// defocus its wavefront carries (Noll j = 4 with the focal shift folded in),
// which the sampling guard weighs.
struct DesignOptics {
  std::optional<double> focalLengthMm;
  double defocusRmsNm = 0.0;
};

DesignOptics OpticsOfDesign(const pupils::PupilDesign& design);

// In plain words, when a grid of pupil side N cannot hold the image of this
// much defocus (nm RMS of j = 4): the padded transform's field is N λ/D wide
// and its pupil has N samples across, so both ask for a larger N. Empty when
// it fits.
QString DefocusSamplingWarning(double defocusRmsNm, double wavelengthNm, int pupilSide);

}  // namespace voka
