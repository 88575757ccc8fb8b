// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "psf/star_image.h"
#include "psf/star_image_difference.h"
#include "psf/star_test.h"

namespace voka::psf {

// Every FITS file begins with this card name.
inline constexpr std::string_view kFitsSignature = "SIMPLE  =";

// The bytes of a FITS file holding the star image: float64, normalised to a
// sum of 1 over the whole padded grid, cropped to (2·fov·padFactor + 1)²
// pixels centred on the zero frequency (less if the grid is smaller). The
// first stored row is the bottom of the image, x to the right, y up. Header:
// CREATOR (program and version), WAVELEN (m), PIXELSCL (arcsec/pixel),
// OVERSAMP, DIAM (m), FOCAL (m), and a linear world coordinate system in
// arcseconds from the star (CTYPE 'XOFFSET'/'YOFFSET', CRPIX on the star).
// Empty with `error` set (Japanese) if the library fails.
std::string StarImageFitsBytes(const StarImage& image, double fieldOfViewLambdaOverD,
                               std::string& error);

// The star test's three images (−k, 0 and +k waves of defocus) as one cube
// of three planes in that order, each cropped and normalised as above, with
// the same header and DEFOCUS, the k of the test in waves peak to valley.
std::string StarTestFitsBytes(const StarTestImages& test, double fieldOfViewLambdaOverD,
                              std::string& error);

// The change from star image A to B (B − A of the normalised images,
// psf/star_image_difference.h) as a FITS image with the header of A, whose
// grid both share.
std::string StarImageDifferenceFitsBytes(const StarImage& a, const StarImageDifference& difference,
                                         std::string& error);

// Pixels per side of the cropped image.
int CroppedSide(const StarImage& image, double fieldOfViewLambdaOverD);

}  // namespace voka::psf
