// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <utility>

#include "psf/star_image.h"
#include "psf/star_image_difference.h"
#include "psfview/psf_picture.h"

namespace voka::psfview {

// A and B on one scale: each pixel's share of its image's light (the
// normalisation of --psf), cropped to ±fieldOfViewLambdaOverD, in log scale
// `decades` below the brighter of the two peaks. Only B's picture carries
// the colour bar, which stands for both.
std::pair<PsfPicture, PsfPicture> SharedScalePictures(const psf::StarImage& a,
                                                      const psf::StarImage& b, int decades,
                                                      double fieldOfViewLambdaOverD);

// The change from A to B in a diverging colour map (Moreland 2009, "Diverging
// Color Maps for Scientific Visualization"): no change is the pale middle,
// more light in B red, less blue. The bar spans ± the largest change, so
// swapping A and B mirrors the colours and A against itself is the middle
// everywhere.
PsfPicture DifferencePicture(const psf::StarImageDifference& difference, double halfWidthArcsec);

// The angle from the centre of a crop of `side` pixels to its edge.
double CropHalfWidthArcsec(const psf::StarImage& image, int side);

// A, B and their change side by side, with axes in arcseconds, A and B on
// the shared scale and bar, the change on its own: the comparison as the
// window shows it, for a PNG. Null when the images are not on one grid.
QImage ComparisonImage(const psf::StarImage& a, const psf::StarImage& b, psf::DifferenceScale scale,
                       int decades, double fieldOfViewLambdaOverD);

}  // namespace voka::psfview
