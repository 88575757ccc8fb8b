// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "psf/psf_progress.h"
#include "psf/star_image.h"

namespace voka::psf {

// The image of a pupil with a phase, stored whole (wholeGrid): the field is
// not real, so nothing mirrors. `image` comes with its sides, centre, scale
// and settings set; this fills the intensity and its sums. False when
// cancelled; std::bad_alloc when memory runs out.
bool FillWholeStarImage(const PupilField& pupil, StarImage& image, const PsfProgress& progress);

}  // namespace voka::psf
