// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/common/cancel_flag.h"
#include "app/common/runner_task.h"
#include "camera/camera_image.h"
#include "camera/camera_numbers.h"
#include "camera/camera_renderer.h"
#include "camera/exposure.h"
#include "limits/limits.h"
#include "psf/pupil_amplitude.h"

namespace voka {

// Renders a design's pupil at a side; runs on the computing thread.
using CameraPupilRenderer = std::function<psf::PupilField(int side)>;

// The side a design is drawn at for the camera: fine enough for the vanes'
// spikes, and the side at which a full render is quick.
inline constexpr int kCameraDesignSide = 512;
// A bitmap larger than this is refused: each wavelength's kernel grows with
// the pupil's side, and the camera's pixels need no finer pupil.
inline constexpr int kCameraLargestPupilSide = 2048;

// Where a spectrum or a response comes from when it is a file: read and
// checked on the computing thread, so a bad file is refused there in red.
struct CameraCsvFiles {
  QString spectrumPath;  // used when the spectrum is a table
  QString responsePath;  // empty: three flat bands
};

// The camera window's settings as they stand, for another window that makes
// camera images the same way (the comparison).
struct CameraWindowSettings {
  camera::CameraSettings settings;
  CameraCsvFiles files;
  double exposure = limits::Exposure().defaultValue;
  camera::DisplaySettings display;
};

// What one computation of the camera window needs.
struct CameraRequest {
  // The pupil already drawn, or its renderer (drawn at kCameraDesignSide).
  std::shared_ptr<const psf::PupilField> pupil;
  CameraPupilRenderer renderPupil;
  quint64 pupilVersion = 0;
  camera::CameraSettings settings;
  CameraCsvFiles files;
  // Kept from render to render; one computation uses it at a time.
  std::shared_ptr<camera::CameraRenderer> renderer;
};

// One finished computation: the pupil, the sensor's light and its numbers.
// The exposure and the stretch are the window's; they need no new one.
struct CameraComputation {
  std::shared_ptr<const psf::PupilField> pupil;
  quint64 pupilVersion = 0;
  camera::CameraSettings settings;
  camera::CameraImage image;
  camera::CameraNumbers numbers;
  double seconds = 0.0;
};

enum class CameraEnd { kDone, kRefused, kCancelled };

struct CameraOutcomeForWindow {
  CameraEnd end = CameraEnd::kCancelled;
  std::shared_ptr<const CameraComputation> computation;
  QString refusal;  // why, and what to change
};

// Computes on the calling thread, polling the flag; reports 0..100.
CameraOutcomeForWindow ComputeCameraForWindow(const CameraRequest& request,
                                              const CancelFlag& cancel,
                                              const ProgressSink& progress);

}  // namespace voka
