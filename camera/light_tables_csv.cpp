// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/light_tables_csv.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace voka::camera {

namespace {

struct Rows {
  std::vector<std::vector<double>> values;
  std::vector<int> lines;
  CsvProblem problem;
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::optional<double> Number(std::string_view field) {
  field = Trimmed(field);
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos;
       comma = line.find(',', start)) {
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// Rows of exactly `columns` numbers, checked for range and order.
Rows ReadRows(std::string_view text, std::size_t columns) {
  Rows rows;
  if (text.find('\0') != std::string_view::npos) {
    rows.problem = {CsvRefusal::kNotText, 0};
    return rows;
  }
  int lineNumber = 0;
  bool headerAllowed = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> fields = Fields(line);
    std::vector<double> numbers;
    for (const std::string_view field : fields) {
      if (const std::optional<double> number = Number(field)) numbers.push_back(*number);
    }
    if (numbers.empty() && headerAllowed) {
      headerAllowed = false;
      continue;
    }
    headerAllowed = false;
    if (fields.size() != columns) return Rows{{}, {}, {CsvRefusal::kFieldCount, lineNumber}};
    if (numbers.size() != columns) return Rows{{}, {}, {CsvRefusal::kNotANumber, lineNumber}};
    if (numbers[0] < kShortestCsvWavelengthNm || numbers[0] > kLongestCsvWavelengthNm)
      return Rows{{}, {}, {CsvRefusal::kWavelengthRange, lineNumber}};
    if (!rows.values.empty() && !(numbers[0] > rows.values.back()[0]))
      return Rows{{}, {}, {CsvRefusal::kNotAscending, lineNumber}};
    for (std::size_t c = 1; c < columns; ++c) {
      if (numbers[c] < 0.0) return Rows{{}, {}, {CsvRefusal::kNegativeWeight, lineNumber}};
    }
    if (rows.values.size() >= static_cast<std::size_t>(kMaximumCsvRows))
      return Rows{{}, {}, {CsvRefusal::kTooManyRows, lineNumber}};
    rows.values.push_back(std::move(numbers));
    rows.lines.push_back(lineNumber);
  }
  if (rows.values.size() < 2) rows.problem = {CsvRefusal::kTooFewRows, 0};
  return rows;
}

}  // namespace

SpectrumCsv ParseSpectrumCsv(std::string_view text) {
  const Rows rows = ReadRows(text, 2);
  if (rows.problem.reason != CsvRefusal::kNone) return {std::nullopt, rows.problem};
  std::vector<SpectrumPoint> table;
  for (const std::vector<double>& row : rows.values) table.push_back({row[0], row[1]});
  return {TableSpectrum(std::move(table)), {}};
}

ResponseCsv ParseResponseCsv(std::string_view text) {
  const Rows rows = ReadRows(text, 4);
  if (rows.problem.reason != CsvRefusal::kNone) return {std::nullopt, rows.problem};
  ChannelResponse response;
  for (const std::vector<double>& row : rows.values) {
    response.wavelengthsNm.push_back(row[0]);
    response.rgb.push_back({row[1], row[2], row[3]});
  }
  return {std::move(response), {}};
}

std::string CsvProblemMessage(const CsvProblem& problem) {
  const std::string where =
      problem.line > 0 ? std::to_string(problem.line) + " 行目: " : std::string();
  switch (problem.reason) {
    case CsvRefusal::kNone:
      return {};
    case CsvRefusal::kNotText:
      return "テキストの CSV ではありません。波長 (nm) と値をカンマで区切って書いてください。";
    case CsvRefusal::kFieldCount:
      return where + "項目の数が合いません。スペクトルは「波長,重み」、感度は「波長,R,G,B」です。";
    case CsvRefusal::kNotANumber:
      return where + "数値として読めない項目があります。";
    case CsvRefusal::kWavelengthRange:
      return where + "波長は " + std::to_string(static_cast<int>(kShortestCsvWavelengthNm)) +
             " から " + std::to_string(static_cast<int>(kLongestCsvWavelengthNm)) +
             " nm にしてください。";
    case CsvRefusal::kNotAscending:
      return where + "波長は上から順に増えるように並べてください。";
    case CsvRefusal::kNegativeWeight:
      return where + "重みと感度は 0 以上にしてください。";
    case CsvRefusal::kTooFewRows:
      return "数値の行が 2 行以上必要です。";
    case CsvRefusal::kTooManyRows:
      return where + "行が多すぎます (" + std::to_string(kMaximumCsvRows) + " 行まで)。";
  }
  return {};
}

}  // namespace voka::camera
