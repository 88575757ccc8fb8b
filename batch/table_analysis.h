// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What --fft and --raytrace share: a pupil on the 512x512 canvas, the table
// VOKA.TXT, the captions or maximum on standard output, and the view as PNG.

#include <optional>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/output_check.h"
#include "batch/run_context.h"

namespace voka {

struct TableAnalysisOptions : PupilSourceOptions {
  std::string pngPath;  // the 410x165 view as PNG
};

enum class TableAnalysis { kFft, kRayTrace };

// Nothing after setting `error` when --size is given without a design.
std::optional<TableAnalysisOptions> ReadTableAnalysis(const ParsedArguments& parsed,
                                                      std::string& error);

// Reads the pupil (a file, a design or the built-in sample), analyses it,
// writes the table and prints; returns the exit status.
int RunTableAnalysis(const TableAnalysisOptions& options, TableAnalysis analysis,
                     const RunContext& context);

std::vector<RunOutput> TableAnalysisOutputs(const TableAnalysisOptions& options,
                                            const RunContext& context);

}  // namespace voka
