// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <optional>

#include "camera/camera_image.h"
#include "camera/exposure.h"
#include "psfview/psf_picture.h"

namespace voka::psfview {

// Two camera images made with the same settings, as people compare them.
struct CameraComparisonPictures {
  PsfPicture a;  // exposed and stretched as B is
  PsfPicture b;
  PsfPicture change;  // B − A, the channels summed, in the diverging map
};

// A and B exposed at one full well, the brighter image's at `exposure`, and
// drawn with one stretch, so that a pixel of the same light looks the same in
// both; their change on its own bar. Axes in arcseconds on the sky. Nothing
// when the images are not on one sensor grid.
std::optional<CameraComparisonPictures> CameraComparisonPicturesOf(
    const camera::CameraImage& a, const camera::CameraImage& b,
    const camera::CameraSettings& settings, double exposure,
    const camera::DisplaySettings& display);

// The three side by side, each enlarged to a readable size: the PNG of the
// comparison. Null when the images are not on one grid.
QImage CameraComparisonImage(const camera::CameraImage& a, const camera::CameraImage& b,
                             const camera::CameraSettings& settings, double exposure,
                             const camera::DisplaySettings& display);

}  // namespace voka::psfview
