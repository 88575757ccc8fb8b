// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "psf/mtf_curves.h"
#include "psf/psf_numbers.h"
#include "psf/star_image.h"

namespace voka::psf {

// Everything the star-image window and the headless run show for one pupil.
struct PsfAnalysis {
  StarImage image;
  PsfNumbers numbers;
  MtfCurves mtf;
  // For a pupil with a phase only: its Strehl ratio, and the RMS of its
  // wavefront over the open pupil (piston removed, tilt kept).
  std::optional<double> strehlRatio;
  std::optional<double> wavefrontRmsNm;
};

// The star image, its numbers and its MTF, reporting 0..100 over the whole.
// Nothing when cancelled or refused, as ComputeStarImage.
std::optional<PsfAnalysis> AnalysePupil(const PupilAmplitude& pupil, const PsfSettings& settings,
                                        const PsfProgress& progress = {});

}  // namespace voka::psf
