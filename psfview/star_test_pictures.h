// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <array>

#include "psf/star_test.h"
#include "psfview/psf_picture.h"

namespace voka::psfview {

// The half-width that holds a star test's defocused images: defocus of a
// waves peak to valley spreads the light over a radius of about 4a λ/D, and
// a quarter more shows its edge against the dark.
double StarTestHalfWidthLambdaOverD(double defocusWaves);

// The three images (−k, 0, +k) cropped to the same field, on one colour
// scale: `decades` below the brightest of the three, so that the defocused
// discs read dimmer than the focused star, as they are. A half-width beyond
// an image's grid is narrowed to the grid.
std::array<PsfPicture, 3> StarTestPictures(const psf::StarTestImages& test, int decades,
                                           double halfWidthLambdaOverD);

// The three pictures side by side with their axes and colour bars, black on
// white, each headed by its defocus in waves: the picture of --png.
QImage StarTestViewImage(const psf::StarTestImages& test, int decades, double halfWidthLambdaOverD);

}  // namespace voka::psfview
