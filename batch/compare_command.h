// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/output_check.h"
#include "batch/run_context.h"
#include "batch/star_pupil_source.h"

namespace voka {

// --compare A B: two pupils (design files, presets or bitmaps) on one grid
// with one normalisation; each number of A and B with its change B − A on
// standard output, the change as FITS, the three pictures as PNG and the
// comparison JSON.
struct CompareCommandOptions : OpticsOptions, WavefrontOptions, StarImageOutputs {
  PupilSourceOptions a;
  PupilSourceOptions b;
};

// A pupil named by A or B: a bitmap if the file begins as one, else a
// design (a preset, or a file whose reader then says what is wrong with it)
// drawn at `sidePixels`.
PupilSourceOptions ComparedSource(const std::string& typed, std::optional<int> sidePixels);

// Whether A and B are on one grid (the same pupil side and aperture); false
// after telling on `err` what to make the same.
bool OnOneGrid(const StarPupilSource& a, const StarPupilSource& b, std::ostream& err);

// "key: A=… B=… Δ=…", a number's line on standard output.
void PrintChange(std::string_view key, double a, double b, double change, std::ostream& out);

std::optional<CompareCommandOptions> ReadCompareCommand(const ParsedArguments& parsed,
                                                        std::string& error);
int RunCommand(const CompareCommandOptions& options, const RunContext& context);
std::vector<RunOutput> OutputsOf(const CompareCommandOptions& options, const RunContext& context);
std::vector<RunInput> InputsOf(const CompareCommandOptions& options);

}  // namespace voka
