// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "camera/camera_image.h"
#include "camera/exposure.h"

namespace voka::psfview {

// The camera's image as people see it: one 8-bit sRGB pixel per sensor pixel,
// first row at the top, exposed (clipped at full well) and stretched as
// `display` says, a pixel with any channel at full well drawn in the
// display's saturated colour (white unless flagged). Null when the image has
// no pixels. The window enlarges it; the PNG holds it as it is.
QImage CameraPictureImage(const camera::CameraImage& image, double exposure,
                          const camera::DisplaySettings& display);

// The same of light already exposed, at a full well of the caller's.
QImage ExposedPictureImage(const camera::Exposed& exposed, const camera::DisplaySettings& display);

}  // namespace voka::psfview
