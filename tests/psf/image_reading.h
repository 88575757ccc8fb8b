// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "psf/star_image.h"

namespace voka::psf::test {

// The image read between its pixels, bilinearly, at an offset from its
// centre in pixels (x right, y up).
inline double BilinearAt(const StarImage& image, double xPixels, double yPixels) {
  const double column = image.centreIndex + xPixels;
  const double row = image.centreIndex - yPixels;
  const int c0 = static_cast<int>(std::floor(column));
  const int r0 = static_cast<int>(std::floor(row));
  const double fc = column - c0;
  const double fr = row - r0;
  return (1 - fr) * ((1 - fc) * image.At(r0, c0) + fc * image.At(r0, c0 + 1)) +
         fr * ((1 - fc) * image.At(r0 + 1, c0) + fc * image.At(r0 + 1, c0 + 1));
}

}  // namespace voka::psf::test
