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

// --psf (PUPIL.bmp | --design D): the star image of the pupil with its
// numbers printed with units, and its FITS, CSV, JSON and PNG files.
struct PsfCommandOptions : PupilSourceOptions, OpticsOptions, WavefrontOptions, StarImageOutputs {};

std::optional<PsfCommandOptions> ReadPsfCommand(const ParsedArguments& parsed, std::string& error);

// Computes the image, prints the numbers and writes every file asked for,
// each whole or not at all. Returns the exit status: 0 done, 1 an input
// unreadable or an output not written, 2 a grid too large for the limits.
int RunCommand(const PsfCommandOptions& options, const RunContext& context);

std::vector<RunOutput> OutputsOf(const PsfCommandOptions& options, const RunContext& context);

}  // namespace voka
