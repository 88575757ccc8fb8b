// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "psf/psf_settings.h"

namespace voka::psf {

// The physical scales of a star image sampled padFactor times per λ/D.
struct ImageScale {
  double lambdaOverDArcsec = 0.0;       // λ/D as an angle on the sky
  double lambdaOverDMicrometres = 0.0;  // λ/D at the focus: λ·F/D
  double pixelLambdaOverD = 0.0;        // 1 / padFactor
  double pixelArcsec = 0.0;             // one image pixel on the sky
  double pixelMicrometres = 0.0;        // one image pixel at the focus
  double airyRadiusLambdaOverD = 1.22;  // first dark ring of a clear aperture
  double airyRadiusArcsec = 0.0;
  double airyRadiusMicrometres = 0.0;
};

ImageScale ComputeImageScale(const PsfSettings& settings);

}  // namespace voka::psf
