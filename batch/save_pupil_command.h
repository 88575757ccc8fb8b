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

// --design D --save-pupil OUT.bmp [--size N]: the design drawn as a 24-bit
// grey bitmap, written whole or not at all; nothing is analysed.
struct SavePupilCommandOptions : PupilSourceOptions {
  std::string savePupilPath;
};

// The side of a saved pupil unless --size says otherwise.
inline constexpr int kDefaultSavedPupilSidePixels =
    static_cast<int>(limits::SavedPupilSide().defaultValue);

std::optional<SavePupilCommandOptions> ReadSavePupilCommand(const ParsedArguments& parsed,
                                                            std::string& error);
int RunCommand(const SavePupilCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const SavePupilCommandOptions& options, const RunContext& context);

}  // namespace voka
