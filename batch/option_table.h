// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every option of the headless program, once: its value's name and kind,
// the group it belongs to, and its help line. The parser checks against it
// and the help text is made from it.

#include <optional>
#include <span>
#include <string_view>

#include "limits/limits.h"

namespace voka {

// The groups that commands share; the help shows one section each.
enum class OptionGroup {
  kPupilSource,  // where the pupil comes from
  kOptics,       // the telescope and the star image's grid
  kWavefront,    // the mirror's wavefront error
  kOutputs,      // the files a run writes
  kGeneral,      // help, version, language
};

// How a number's default is told in its help line.
enum class DefaultShown {
  kNone,             // it depends on the use
  kPlain,            // 既定 550 nm
  kDesignsOrTables,  // the design's, else the table's
};

struct OptionSpec {
  std::string_view name;       // "--pad"
  std::string_view valueName;  // "Q"; empty for an option without a value
  OptionGroup group;
  // A number checked against this row of the table of limits; its help line
  // comes from the row.
  std::optional<limits::LimitId> limit;
  bool whole = false;
  DefaultShown shown = DefaultShown::kNone;
  std::string_view help;  // the help line of an option that is not a number
};

std::span<const OptionSpec> Options();

// The row of an option, or null for a name that is none.
const OptionSpec* FindOption(std::string_view name);

}  // namespace voka
