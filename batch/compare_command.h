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

// --compare A B: two pupils (design files, presets or bitmaps) on one grid
// with one normalisation; each number of A and B with its change B − A on
// standard output, the change as FITS, the three pictures as PNG and the
// comparison JSON.
struct CompareCommandOptions : OpticsOptions, WavefrontOptions, StarImageOutputs {
  PupilSourceOptions a;
  PupilSourceOptions b;
};

std::optional<CompareCommandOptions> ReadCompareCommand(const ParsedArguments& parsed,
                                                        std::string& error);
int RunCommand(const CompareCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const CompareCommandOptions& options, const RunContext& context);
std::vector<RunInput> InputsOf(const CompareCommandOptions& options);

}  // namespace voka
