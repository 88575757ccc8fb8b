// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "camera/colour_channels.h"
#include "camera/star_light.h"
#include "limits/limits.h"

namespace voka::camera {

// The most rows a spectrum or response file may hold: a 0.01 nm table of
// the whole band is far below it.
inline constexpr int kMaximumCsvRows = static_cast<int>(limits::TableRows().maximum);
// Wavelengths outside this range are no light that a telescope camera sees.
inline constexpr double kShortestCsvWavelengthNm = limits::TableWavelengthNm().minimum;
inline constexpr double kLongestCsvWavelengthNm = limits::TableWavelengthNm().maximum;

enum class CsvRefusal {
  kNone,
  kNotText,          // a NUL byte or other binary content
  kFieldCount,       // a row without the expected number of fields
  kNotANumber,       // a field that is not a finite decimal number
  kWavelengthRange,  // outside kShortest..kLongestCsvWavelengthNm
  kNotAscending,     // wavelengths must rise strictly
  kNegativeWeight,
  kTooFewRows,  // fewer than two
  kTooManyRows,
};

struct CsvProblem {
  CsvRefusal reason = CsvRefusal::kNone;
  int line = 0;  // from 1; 0 for the whole file
};

// Comma-separated rows of decimal numbers: "wavelength_nm,weight" for a
// spectrum, "wavelength_nm,R,G,B" for a response. Blank lines and lines
// starting with '#' are skipped, and so is one header line of non-numbers
// before the first row.
struct SpectrumCsv {
  std::optional<Spectrum> spectrum;
  CsvProblem problem;
};
SpectrumCsv ParseSpectrumCsv(std::string_view text);

struct ResponseCsv {
  std::optional<ChannelResponse> response;
  CsvProblem problem;
};
ResponseCsv ParseResponseCsv(std::string_view text);

// What is wrong, in Japanese, naming the line.
std::string CsvProblemMessage(const CsvProblem& problem);

}  // namespace voka::camera
