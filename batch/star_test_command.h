// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/output_check.h"
#include "batch/run_context.h"

namespace voka {

// --star-test K (PUPIL.bmp | --design D): the classic star test, the star's
// images at −K, 0 and +K waves peak to valley of defocus added to the
// pupil's own wavefront, as one FITS cube (--fits) and three panels on one
// colour scale (--png).
struct StarTestCommandOptions : PupilSourceOptions, OpticsOptions, WavefrontOptions {
  double defocusWaves = limits::StarTestWaves().defaultValue;
  std::string fitsPath;
  std::string pngPath;
};

std::optional<StarTestCommandOptions> ReadStarTestCommand(const ParsedArguments& parsed,
                                                          std::string& error);
int RunCommand(const StarTestCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const StarTestCommandOptions& options, const RunContext& context);

}  // namespace voka
