// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Design files on disk and the messages that refuse them.

#include <filesystem>
#include <optional>
#include <string>

#include "pupils/design_check.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

// No design is near this size; a larger file is not one.
inline constexpr std::uintmax_t kMaxDesignFileBytes = 1 << 20;

// The command line names a preset as "preset:NAME" in place of a file.
inline constexpr std::string_view kPresetPrefix = "preset:";

// Why a design file or preset was refused, for a window that words it in
// its own language.
enum class DesignLoadRefusal {
  kNone,
  kTooLarge,       // over kMaxDesignFileBytes
  kCannotOpen,     // missing, unreadable, or not a regular file
  kBadContent,     // read, but `problem` says what is wrong in it
  kUnknownPreset,  // "preset:NAME" names no preset
};

struct DesignLoad {
  std::optional<PupilDesign> design;
  std::string message;  // Japanese, UTF-8, naming the file and the field; empty on success
  DesignLoadRefusal refusal = DesignLoadRefusal::kNone;
  DesignProblem problem;  // for kBadContent
};

// Reads and checks a design file.
DesignLoad LoadDesignFile(const std::filesystem::path& path);

// A file path, or "preset:NAME" (UTF-8).
DesignLoad LoadDesignOrPreset(const std::string& fileOrPreset);

// 設計ファイル「NAME」の「field」: reason
std::string DesignRefusalMessage(const std::filesystem::path& file, const DesignProblem& problem);

// The file's name as UTF-8 with control characters shown as \xNN, so that a
// crafted name cannot break a message or a terminal.
std::string ShownFileName(const std::filesystem::path& file);

}  // namespace voka::pupils
