// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "psf/autocorrelation.h"
#include "psf/mtf_curves.h"
#include "psf/psf_numbers.h"

namespace voka::psf {

// The numbers and curves from an autocorrelation already made, so that one
// analysis transforms the image back only once.
PsfNumbers ComputePsfNumbers(const PupilAmplitude& pupil, const StarImage& image,
                             const Autocorrelation& correlation);
MtfCurves ComputeMtfCurves(const PupilAmplitude& pupil, const StarImage& image,
                           const Autocorrelation& correlation);

}  // namespace voka::psf
