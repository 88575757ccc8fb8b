// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/sweep_csv.h"

#include <algorithm>
#include <charconv>

namespace voka::studies {

namespace {

void AppendNumber(std::string& text, double value) {
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, error == std::errc() ? end : digits);
}

}  // namespace

double SweepNumber(const SweepStep& step, std::string_view key) {
  const auto found =
      std::find_if(step.record.begin(), step.record.end(),
                   [key](const psf::Quantity& quantity) { return quantity.key == key; });
  if (found != step.record.end()) return found->value;
  if (key == "strehl") return 1.0;
  if (key == "wavefront_rms_nm") return 0.0;
  return psf::ValueOf(step.record, key);
}

std::string SweepCsv(std::string_view path, const std::vector<SweepStep>& steps) {
  std::string text(path);
  for (const std::string_view column : kSweepColumns) text.append(",").append(column);
  text += '\n';
  for (const SweepStep& step : steps) {
    AppendNumber(text, step.value);
    for (const std::string_view column : kSweepColumns) {
      text += ',';
      AppendNumber(text, SweepNumber(step, column));
    }
    text += '\n';
  }
  return text;
}

}  // namespace voka::studies
