// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "camera/camera_image.h"

namespace voka::camera {

// The camera's image as a FITS cube: NAXIS3 = channels (R, G, B or L, named
// by CHANNELS), the linear light before any clipping as the share of the
// light through the pupil, first row at the bottom. The header states the
// band (WAVEMIN, WAVEMAX in m, NWAVE), the spectrum (SPECTRUM, TEMP in K, 0
// unless a blackbody), the camera (PIXSIZE, FOCAL, DIAM in m, PIXELSCL in
// arcsec, EXPOSURE) and a linear world coordinate system in arcseconds with
// the star at 0. Empty with `error` set when cfitsio fails.
std::string CameraFitsBytes(const CameraImage& image, const CameraSettings& settings,
                            double exposure, std::string& error);

// The change B − A of two camera images made with the same settings
// (camera/camera_change.h), as a cube with A's header; a COMMENT says that
// the values are B − A.
std::string CameraChangeFitsBytes(const CameraImage& a, const ChannelPlanes& change,
                                  const CameraSettings& settings, double exposure,
                                  std::string& error);

}  // namespace voka::camera
