// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "psf/pupil_amplitude.h"

namespace voka::psf {

// The largest zoomed view (the table says why).
constexpr int kMaximumZoomSide = static_cast<int>(limits::ZoomSide().maximum);

// What part of the image to zoom into, in λ/D from the zero frequency
// (+x right, +y up as in the star image).
struct ZoomWindow {
  double centreXLambdaOverD = 0.0;
  double centreYLambdaOverD = 0.0;
  double halfWidthLambdaOverD = 20.0;
  double stepLambdaOverD = 0.1;  // one zoomed pixel

  // Pixels per side: 2 * round(halfWidth / step) + 1 (odd, so the centre is
  // a pixel).
  int Side() const;
};

// A view of the star image at any sampling, by the matrix Fourier transform
// of the pupil field (fourier/matrix_fourier_transform.h). Row-major, top row
// first, in the same unit as StarImage::intensity (the clear aperture's peak).
struct ZoomedImage {
  int side = 0;
  ZoomWindow window;
  std::vector<double> intensity;
};

// The window must have a positive, finite step and half-width, and Side()
// at most kMaximumZoomSide, and the pupil side² amplitudes; otherwise the
// result is empty (side 0). A pupil with a phase is zoomed at the
// wavelength, which must then be positive and finite, with side² finite path
// differences; a pupil without one does not depend on the wavelength.
ZoomedImage ComputeZoomedImage(const PupilField& pupil, const ZoomWindow& window,
                               double wavelengthNm);

}  // namespace voka::psf
