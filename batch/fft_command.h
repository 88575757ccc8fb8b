// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/table_analysis.h"

namespace voka {

// --fft [PUPIL.bmp | --design D] [--png F]: the two-dimensional sine
// transform of the pupil sampled at 512x512, its captions and VOKA.TXT.
struct FftCommandOptions : TableAnalysisOptions {};

std::optional<FftCommandOptions> ReadFftCommand(const ParsedArguments& parsed, std::string& error);
int RunCommand(const FftCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const FftCommandOptions& options, const RunContext& context);

}  // namespace voka
