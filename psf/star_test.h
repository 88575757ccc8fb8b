// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "limits/limits.h"
#include "psf/psf_progress.h"
#include "psf/psf_settings.h"
#include "psf/pupil_amplitude.h"
#include "psf/star_image.h"

namespace voka::psf {

// The classic star test: the star's image inside focus, in focus and
// outside focus, by which people read their optics. A perfect mirror shows
// the same rings on both sides; a bad figure shows them differently.
struct StarTestImages {
  double defocusWaves = 0.0;  // peak to valley, each side
  // −defocusWaves, 0 and +defocusWaves of defocus added to the pupil's own
  // wavefront, each normalised like any star image.
  std::array<StarImage, 3> images;
};

// The default defocus each side, in waves peak to valley.
inline constexpr double kDefaultStarTestWaves = limits::StarTestWaves().defaultValue;

// Nothing when cancelled or refused (as ComputeStarImage). Reports 0..100
// over the three images.
std::optional<StarTestImages> ComputeStarTest(const PupilField& pupil, const PsfSettings& settings,
                                              double defocusWaves,
                                              const PsfProgress& progress = {});

// The pupil with a defocus of the given peak-to-valley waves (Noll j = 4 at
// the settings' wavelength) added to its wavefront.
PupilField WithDefocusWaves(const PupilField& pupil, double defocusWaves, double wavelengthNm);

}  // namespace voka::psf
