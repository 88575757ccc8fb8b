// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "psf/pupil_amplitude.h"
#include "psf/star_image.h"

namespace voka::psf {

// The Strehl ratio of a pupil with a phase: the peak of its image over the
// peak of the same amplitude without the phase, which lies at the centre
// and is (Σ amplitude)² in the transform's units. 1 for a pupil without
// phase.
double StrehlRatio(const PupilField& pupil, const StarImage& image);

}  // namespace voka::psf
