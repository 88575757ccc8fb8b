// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/camera_options.h"
#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/output_check.h"
#include "batch/run_context.h"

namespace voka {

// --compare A B --camera: the camera images of two pupils made with one set
// of camera settings (A's aperture and focal length); each number of A and B
// with its change B − A on standard output, the change as a FITS cube, the
// three pictures on one stretch as PNG and the comparison JSON.
struct CameraCompareCommandOptions : OpticsOptions,
                                     WavefrontOptions,
                                     StarImageOutputs,
                                     CameraOptions {
  PupilSourceOptions a;
  PupilSourceOptions b;
};

std::optional<CameraCompareCommandOptions> ReadCameraCompareCommand(const ParsedArguments& parsed,
                                                                    std::string& error);
int RunCommand(const CameraCompareCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const CameraCompareCommandOptions& options,
                                 const RunContext& context);
std::vector<RunInput> InputsOf(const CameraCompareCommandOptions& options);

}  // namespace voka
