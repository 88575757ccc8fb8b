// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "psf/star_image.h"

namespace voka::psfview {

// The star image in log scale (decades below its peak, 3..7) with the
// perceptual colour map, cropped to ±halfWidthLambdaOverD around the centre,
// drawn as the window draws it: axes in arcseconds and a colour bar labelled
// in powers of ten, black on white.
QImage LogViewImage(const psf::StarImage& image, int decades, double halfWidthLambdaOverD);

// The (2 half + 1)² pixels around the image's centre, top row first; half
// must not reach past the grid.
std::vector<double> CroppedIntensity(const psf::StarImage& image, int half);

// The image as PNG bytes; empty if encoding fails.
std::string PngBytes(const QImage& image);

}  // namespace voka::psfview
