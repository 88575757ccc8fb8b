// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/output_check.h"
#include "camera/camera_image.h"
#include "camera/exposure.h"
#include "limits/limits.h"

namespace voka {

// The camera, the star's light and the display, as --camera and
// --compare --camera read them.
struct CameraOptions {
  camera::CameraSettings camera;  // aperture and focal length come from OpticsOptions
  std::string spectrumCsvPath;    // a spectrum named as a file, read when the run starts
  std::string responseCsvPath;
  double exposure = limits::Exposure().defaultValue;
  camera::DisplaySettings display;
};

// The camera options given, over their defaults; false after setting
// `error` for a value that cannot be used.
bool ReadCameraOptions(const ParsedArguments& parsed, CameraOptions& options, std::string& error);

// The spectrum and response tables read into the settings; false after
// telling why one cannot be used (exit 1, like a design that cannot).
bool ReadCameraTables(const CameraOptions& options, camera::CameraSettings& settings,
                      std::ostream& err);

// The tables a run reads, for the check that no output replaces one.
void AddTableInputs(const CameraOptions& options, std::vector<RunInput>& inputs);

}  // namespace voka
