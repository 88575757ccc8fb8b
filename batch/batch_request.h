// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

#include "batch/camera_command.h"
#include "batch/camera_compare_command.h"
#include "batch/compare_command.h"
#include "batch/fft_command.h"
#include "batch/psf_command.h"
#include "batch/raytrace_command.h"
#include "batch/save_pupil_command.h"
#include "batch/star_test_command.h"
#include "batch/sweep_command.h"

namespace voka {

// One command with its own options, as the command line asked for it.
using BatchRequest =
    std::variant<FftCommandOptions, RayTraceCommandOptions, PsfCommandOptions,
                 SavePupilCommandOptions, CameraCommandOptions, CompareCommandOptions,
                 SweepCommandOptions, StarTestCommandOptions, CameraCompareCommandOptions>;

}  // namespace voka
