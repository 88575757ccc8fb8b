// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/table_analysis.h"

namespace voka {

// --raytrace [PUPIL.bmp | --design D] [--png F]: the direct diffraction
// sum from a 128x128 pupil onto 64x64 image points, its maximum and VOKA.TXT.
struct RayTraceCommandOptions : TableAnalysisOptions {};

std::optional<RayTraceCommandOptions> ReadRayTraceCommand(const ParsedArguments& parsed,
                                                          std::string& error);
int RunCommand(const RayTraceCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const RayTraceCommandOptions& options, const RunContext& context);

}  // namespace voka
