// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace voka {

// The side of the result table: 64x64 values around the centre of the star image.
inline constexpr int kTableSize = 64;

// Indexed [column][row], the [x][y] order of a DoubleGrid.
using ResultTable = std::array<std::array<double, kTableSize>, kTableSize>;

// The header lines, code page 932 bytes: "VOKA ＦＦＴ\n" and "VOKA レイトレース\n".
inline constexpr std::string_view kFftHeader = "VOKA \x82\x65\x82\x65\x82\x73\n";
inline constexpr std::string_view kRayTraceHeader =
    "VOKA \x83\x8C\x83\x43\x83\x67\x83\x8C\x81\x5B\x83\x58\n";

// A bare name: the table is written into the current directory.
inline constexpr std::string_view kResultTableName = "VOKA.TXT";

struct TableWriteResult {
  bool written = false;
  std::string message;  // UTF-8, for the user, empty when written
  // Why it was not written, for a window that words the message itself.
  std::error_code error;
};

// The exact bytes of the file: the header, then one line per row, each value
// as "%f ," in the "C" locale ("nan" for values that are not finite), closed
// by " end". Every line end is CR LF, whatever the platform.
std::string FormatResultTable(std::string_view header, const ResultTable& table);

// Replaces the target with the formatted table. The previous file stays
// untouched unless the new one was written whole; a failure comes back as a
// message naming the file and the reason. Throws nothing.
TableWriteResult WriteResultTable(
    std::string_view header, const ResultTable& table,
    const std::filesystem::path& target = std::filesystem::path(kResultTableName)) noexcept;

}  // namespace voka
