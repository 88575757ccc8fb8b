// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/raytrace_command.h"

namespace voka {

std::optional<RayTraceCommandOptions> ReadRayTraceCommand(const ParsedArguments& parsed,
                                                          std::string& error) {
  std::optional<TableAnalysisOptions> options = ReadTableAnalysis(parsed, error);
  if (!options) return std::nullopt;
  return RayTraceCommandOptions{std::move(*options)};
}

int RunCommand(const RayTraceCommandOptions& options, const RunContext& context) {
  return RunTableAnalysis(options, TableAnalysis::kRayTrace, context);
}

std::vector<RunOutput> OutputsOf(const RayTraceCommandOptions& options, const RunContext& context) {
  return TableAnalysisOutputs(options, context);
}

}  // namespace voka
