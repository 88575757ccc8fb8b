// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_run.h"

#include <optional>

#include "batch/command_table.h"
#include "batch/output_check.h"

namespace voka {

int RunBatch(const BatchRequest& request, const RunContext& context) {
  return std::visit(
      [&context](const auto& options) {
        // Nothing is computed for a run that could not keep its outputs apart
        // from its inputs, from each other and from the user's other files.
        const std::optional<OutputRefusal> refusal =
            FindOutputRefusal(OutputsOf(options, context), InputsOf(options));
        if (refusal) {
          context.err << OutputRefusalMessage(*refusal) << '\n';
          return kBatchUsageError;
        }
        return RunCommand(options, context);
      },
      request);
}

int RunBatchArguments(const std::vector<std::string>& arguments, const RunContext& context) {
  std::string error;
  const std::optional<CommandLine> line = ParseCommandLine(arguments, error);
  std::optional<BatchRequest> request;
  if (line && line->arguments) request = ReadRequest(*line->arguments, error);
  if (line && (line->help || line->version)) {
    context.out << (line->help ? BatchUsage() : std::string(kBatchVersionLine));
    return kBatchSuccess;
  }
  if (!request) {
    context.err << error << "\n\n" << BatchUsage();
    return kBatchUsageError;
  }
  return RunBatch(*request, context);
}

}  // namespace voka
