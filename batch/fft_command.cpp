// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/fft_command.h"

namespace voka {

std::optional<FftCommandOptions> ReadFftCommand(const ParsedArguments& parsed, std::string& error) {
  std::optional<TableAnalysisOptions> options = ReadTableAnalysis(parsed, error);
  if (!options) return std::nullopt;
  return FftCommandOptions{std::move(*options)};
}

int RunCommand(const FftCommandOptions& options, const RunContext& context) {
  return RunTableAnalysis(options, TableAnalysis::kFft, context);
}

std::vector<RunOutput> OutputsOf(const FftCommandOptions& options, const RunContext& context) {
  return TableAnalysisOutputs(options, context);
}

}  // namespace voka
