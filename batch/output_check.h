// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Outputs are checked before anything is computed: a slip of the command
// line (the pupil given as --fits's value, one name for two outputs) must
// cost the user nothing.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace voka {

// What a run writes, and so what it may replace.
enum class OutputKind {
  kTable,        // VOKA.TXT: its fixed name in the current folder is the program's own
  kPng,          // a PNG file: it begins with the PNG signature
  kFits,         // a FITS file: its first card is SIMPLE  =
  kPupilBitmap,  // a Windows bitmap: it begins with BM
  kCurvesCsv,    // the star image's curves: they begin with this program's header line
  kNumbersJson,  // the star image's numbers: a JSON object with this program's keys
  kSweepCsv,     // a sweep's numbers: a header naming the parameter, then this program's columns
};

struct RunOutput {
  std::string option;  // as the user typed it: "--fits"
  std::filesystem::path path;
  OutputKind kind;
};

struct RunInput {
  std::filesystem::path path;
  const char* role;  // what the run reads from it, in the message (marked for translation)
};

enum class OutputRefusalReason {
  kNamesAnotherOutput,  // two outputs of the run name one file
  kOtherKind,           // an existing file that this output's kind does not recognise
  kUnreadable,          // an existing file whose kind cannot be told
  kNamesAnInput,        // the output would replace a file the run reads
};

struct OutputRefusal {
  OutputRefusalReason reason;
  RunOutput output;
  // kNamesAnotherOutput: the earlier output; kNamesAnInput: the input's role.
  std::optional<RunOutput> otherOutput;
  const char* inputRole = "";
};

// The first output that must not be written, or nothing. Each output in
// order is checked against the outputs before it, then against what stands
// under its name, then against the inputs. Files are compared by identity:
// "./a", "a" and a link to it are one file.
std::optional<OutputRefusal> FindOutputRefusal(const std::vector<RunOutput>& outputs,
                                               const std::vector<RunInput>& inputs);

// The message for a refusal, in the language chosen: the file, why, and what to do.
std::string OutputRefusalMessage(const OutputRefusal& refusal);

}  // namespace voka
