// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "batch/batch_request.h"
#include "batch/run_context.h"

namespace voka {

// Runs one command: first checks that no output would replace an input,
// another output or a file of another kind (exit 2, nothing computed), then
// runs it. Returns the exit status. Needs a Qt GUI application for the
// captions' font.
int RunBatch(const BatchRequest& request, const RunContext& context);

// The whole program after its start-up: parses the arguments, prints the
// help, the version or a usage error, or runs the command.
int RunBatchArguments(const std::vector<std::string>& arguments, const RunContext& context);

// The text --help prints, and the line --version prints.
std::string BatchUsage();
inline constexpr const char* kBatchVersionLine = "voka-batch 1.0\n";

}  // namespace voka
