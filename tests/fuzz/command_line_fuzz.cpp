// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds argument vectors to the headless program's parser, the input split on
// NUL bytes into arguments (a NUL can never be inside one, as on a real
// command line). No command runs. Whatever was typed, the parse ends in
// exactly one of: help, the version, a request, or a non-empty error that is
// safe to print; help and the version only when they were asked for.
// Without an application object QCoreApplication::translate returns the
// source text, so the messages checked are the Japanese ones.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/command_line.h"
#include "batch/command_table.h"
#include "output/shown_text.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::vector<std::string> SplitOnNul(std::string_view bytes) {
  std::vector<std::string> arguments;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
    arguments.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (bytes.empty()) arguments.clear();
  return arguments;
}

// Asked for before "--", where every argument becomes a pupil file.
bool Asked(const std::vector<std::string>& arguments,
           std::initializer_list<std::string_view> names) {
  for (const std::string& argument : arguments) {
    if (argument == "--") return false;
    if (std::find(names.begin(), names.end(), argument) != names.end()) return true;
  }
  return false;
}

// Each line of a message must already be as EscapedForDisplay would show it:
// no ESC, NUL or other control byte, no direction override, valid UTF-8, so
// that a hostile argument echoed back cannot drive the terminal.
void CheckPrintable(const std::string& error) {
  Require(!error.empty());
  std::size_t start = 0;
  while (start <= error.size()) {
    const std::size_t end = std::min(error.find('\n', start), error.size());
    const std::string_view line = std::string_view(error).substr(start, end - start);
    Require(voka::EscapedForDisplay(line) == line);
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> arguments =
      SplitOnNul(std::string_view(reinterpret_cast<const char*>(data), size));

  std::string error;
  const std::optional<voka::CommandLine> line = voka::ParseCommandLine(arguments, error);
  if (!line) {
    CheckPrintable(error);
    return 0;
  }
  Require(!(line->help && line->version));
  if (line->help) Require(Asked(arguments, {"--help", "-h"}));
  if (line->version) Require(Asked(arguments, {"--version"}));
  if (line->help || line->version) {
    Require(!line->arguments);
    return 0;
  }
  Require(line->arguments && line->arguments->command != nullptr);

  error.clear();
  const std::optional<voka::BatchRequest> request = voka::ReadRequest(*line->arguments, error);
  if (!request) CheckPrintable(error);
  return 0;
}
