// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ready-made designs that a user starts from, by short ASCII name
// ("preset:4-vanes" on the command line).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "pupils/pupil_design.h"

namespace voka::pupils {

struct DesignPreset {
  std::string_view name;   // ASCII, for the command line and file names
  std::string_view title;  // Japanese, for the designer's list
};

// In the order the designer lists them.
std::span<const DesignPreset> DesignPresets();

// The design of a preset; nothing for an unknown name.
std::optional<PupilDesign> PresetDesign(std::string_view name);

// "clear, 3-vanes, 4-vanes, ...": for help texts.
std::string PresetNameList();

}  // namespace voka::pupils
