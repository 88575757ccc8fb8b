// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "psf/star_image.h"

namespace voka::psf {

// How the change from design A to design B is shown: B − A, or log10(B/A)
// with both held above a floor so that dark places do not dominate.
enum class DifferenceScale { kLinear, kLogRatio };

// The log ratio's floor, in decades below the brighter image's peak.
inline constexpr double kDifferenceFloorDecades = 7.0;

// Two star images compared on one grid: each normalised as an exported star
// image is (a sum of 1 over its padded grid), cropped to the same field as
// the FITS export, rows top first, and subtracted.
struct StarImageDifference {
  int side = 0;
  DifferenceScale scale = DifferenceScale::kLinear;
  std::vector<double> values;  // side² values
};

// Nothing unless both images were computed on the same grid: the same
// padded side and pad factor (so the same angle per pixel at the same
// wavelength and aperture).
std::optional<StarImageDifference> DifferenceOf(const StarImage& a, const StarImage& b,
                                                double fieldOfViewLambdaOverD,
                                                DifferenceScale scale);

}  // namespace voka::psf
