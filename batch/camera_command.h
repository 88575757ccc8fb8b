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
#include "camera/camera_image.h"
#include "camera/exposure.h"

namespace voka {

// --camera (PUPIL.bmp | --design D): the star as a camera records it, in
// white light on sensor pixels, exposed and stretched; its numbers on
// standard output and its PNG, FITS cube and JSON.
struct CameraCommandOptions : PupilSourceOptions,
                              OpticsOptions,
                              WavefrontOptions,
                              StarImageOutputs,
                              CameraOptions {};

// A design is drawn at this side unless --size says otherwise.
inline constexpr int kCameraDesignSidePixels = 512;

std::optional<CameraCommandOptions> ReadCameraCommand(const ParsedArguments& parsed,
                                                      std::string& error);
int RunCommand(const CameraCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const CameraCommandOptions& options, const RunContext& context);
std::vector<RunInput> InputsOf(const CameraCommandOptions& options);

}  // namespace voka
