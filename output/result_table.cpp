// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/result_table.h"

#include <system_error>

#include "output/file_replace.h"
#include "output/fixed_format.h"
#include "output/write_failure_message.h"

namespace voka {

namespace {

// The file's line end on every platform; the file is written in binary mode.
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kDecimals = 6;

void AppendLine(std::string& out, std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  out += line;
  out += kLineEnd;
}

}  // namespace

std::string FormatResultTable(std::string_view header, const ResultTable& table) {
  std::string out;
  out.reserve(header.size() + kTableSize * (kTableSize * 12 + 8));
  AppendLine(out, header);
  for (int row = 0; row < kTableSize; ++row) {
    for (int column = 0; column < kTableSize; ++column) {
      out += FormatFixed(table[column][row], kDecimals);
      out += " ,";
    }
    out += " end";
    out += kLineEnd;
  }
  return out;
}

TableWriteResult WriteResultTable(std::string_view header, const ResultTable& table,
                                  const std::filesystem::path& target) noexcept {
  try {
    const std::error_code error = ReplaceFileContents(target, FormatResultTable(header, table));
    if (!error) return {true, {}, {}};
    return {false, WriteFailureMessage(target, error), error};
  } catch (...) {
    // Only running out of memory gets here; the message may fail the same way.
    try {
      const std::error_code error = std::make_error_code(std::errc::not_enough_memory);
      return {false, WriteFailureMessage(target, error), error};
    } catch (...) {
      return {false, {}, {}};
    }
  }
}

}  // namespace voka
