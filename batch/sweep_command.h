// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/output_check.h"
#include "batch/run_context.h"
#include "pupils/design_parameter.h"

namespace voka {

// --sweep 'PATH=FROM:TO:STEPS' --design D --csv OUT: one number of a design
// over a range, each step's star image computed side by side within the
// thread budget, and the numbers of every step as CSV.
struct SweepCommandOptions : PupilSourceOptions, OpticsOptions, WavefrontOptions {
  pupils::SweepRange range;
  std::string csvPath;
};

std::optional<SweepCommandOptions> ReadSweepCommand(const ParsedArguments& parsed,
                                                    std::string& error);
int RunCommand(const SweepCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const SweepCommandOptions& options, const RunContext& context);

}  // namespace voka
