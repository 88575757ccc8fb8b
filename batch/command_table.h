// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The commands of the headless program, one row each: how it is typed, the
// options it takes and how its own options are read. Each command's options
// and run live in a file of its own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_request.h"
#include "batch/command_line.h"

namespace voka {

// A command flag that, given with another command, switches that one to a
// mode of its own: "--compare A B --camera" compares camera images. The mode
// has its own options and reader; the command's own are then not taken.
struct CommandMode {
  std::string_view flag;                  // "--camera"
  std::string_view help;                  // what the mode does, for --help
  std::vector<std::string_view> options;  // the options it takes, in the help's order
  std::optional<BatchRequest> (*read)(const ParsedArguments&, std::string& error);

  bool Takes(std::string_view option) const;
};

struct CommandSpec {
  std::string_view flag;                     // "--psf"
  std::vector<std::string_view> valueNames;  // the values right after it: {"瞳.bmp"}
  bool takesPupilFile = false;               // a pupil .bmp named without an option
  bool needsPupil = false;                   // a pupil file or a design must be named
  std::string_view help;                     // what it does, for --help
  std::vector<std::string_view> options;     // the options it takes, in the help's order
  // The command's own options from what was parsed; nothing after setting
  // `error` for a combination the tables cannot tell.
  std::optional<BatchRequest> (*read)(const ParsedArguments&, std::string& error);
  std::vector<CommandMode> modes = {};  // the flags that switch it

  bool Takes(std::string_view option) const;
  // The mode a command flag given with this one switches it to, or null.
  const CommandMode* ModeNamed(std::string_view flag) const;
};

const std::vector<CommandSpec>& Commands();

// The row of a command, or null for a name that is none.
const CommandSpec* FindCommand(std::string_view flag);

// The options of the command the user typed; nothing after setting `error`.
std::optional<BatchRequest> ReadRequest(const ParsedArguments& parsed, std::string& error);

}  // namespace voka
