// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parser engine of the headless program: it knows options and commands
// only through their tables, so a new command is a row and a file, never a
// new branch here.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voka {

struct CommandMode;
struct CommandSpec;

// What the user typed, checked against the tables: known options, each at
// most once, with a value where one is needed; numbers finite and within
// their rows of the table of limits; exactly one command, or one command
// and a flag that switches it to one of its modes; no option that the
// command (in its mode) does not take.
struct ParsedArguments {
  const CommandSpec* command = nullptr;
  const CommandMode* mode = nullptr;              // a mode switched on by a second command flag
  std::vector<std::string> commandValues;         // --compare A B: {"A", "B"}
  std::map<std::string_view, std::string> texts;  // every option given: its value as typed
  std::map<std::string_view, double> numbers;     // the numeric options, within range
  std::optional<std::string> pupilFile;           // the one file named without an option

  bool Has(std::string_view option) const { return texts.contains(option); }
  std::string Text(std::string_view option) const;
  std::optional<double> Number(std::string_view option) const;
};

// What a parse found: a usage error, a request for help or the version, or
// the arguments of one command.
struct CommandLine {
  bool help = false;
  bool version = false;
  std::optional<ParsedArguments> arguments;
};

// Reads the arguments after the program name. Option values never begin
// with "-" (a forgotten value must not swallow the next option or the pupil
// file); after "--" every argument is a pupil file. --help or --version
// alone is enough. On a usage error returns nothing and sets `error`
// (UTF-8, the user's text escaped).
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error);

// The language asked for by --lang, read before anything else so that even
// the usage errors are worded in it; nothing when not given or not "ja"/"en".
std::optional<std::string> LanguageArgument(const std::vector<std::string>& arguments);

// A path from an argument as it was typed: on POSIX systems the bytes are
// the name, whatever their encoding, so a name that is not UTF-8 still opens.
std::filesystem::path PathFromArgument(const std::string& argument);

}  // namespace voka
