// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_image.h"

#include "camera/camera_renderer.h"

namespace voka::camera {

CameraOutcome ComputeCameraImage(const psf::PupilField& pupil, const CameraSettings& settings,
                                 const psf::PsfProgress& progress) {
  CameraRenderer renderer;
  return renderer.Render(pupil, settings, progress);
}

}  // namespace voka::camera
