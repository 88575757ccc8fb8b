// SPDX-License-Identifier: GPL-3.0-or-later
#include "limits/refusal.h"

#include <cmath>
#include <cstdio>

namespace voka::limits {

std::optional<Refusal> Check(LimitId limit, double value, bool whole) {
  const Limit& row = Of(limit);
  if (!std::isfinite(value)) return Refusal{limit, RefusalReason::kNotFinite, value};
  if (whole && value != std::floor(value)) return Refusal{limit, RefusalReason::kNotWhole, value};
  if (value < row.minimum) return Refusal{limit, RefusalReason::kBelowMinimum, value};
  if (value > row.maximum) return Refusal{limit, RefusalReason::kAboveMaximum, value};
  return std::nullopt;
}

std::string NumberText(double value) {
  char text[64];
  // Whole numbers up to 2^53 are exact in a double and print without a point.
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e15) {
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
  } else {
    std::snprintf(text, sizeof text, "%.15g", value);
  }
  return text;
}

std::string RangeText(const Limit& limit) {
  return NumberText(limit.minimum) + "〜" + NumberText(limit.maximum) + " " +
         std::string(limit.unit);
}

std::string RefusalMessage(const Refusal& refusal) {
  const Limit& limit = Of(refusal.limit);
  const std::string range = std::string(limit.name) + "は " + RangeText(limit);
  switch (refusal.reason) {
    case RefusalReason::kNotFinite:
      return range + " の数で指定してください（数ではない値は使えません）。";
    case RefusalReason::kNotWhole:
      return range + " の整数で指定してください（" + NumberText(refusal.value) +
             " は使えません）。";
    case RefusalReason::kBelowMinimum:
    case RefusalReason::kAboveMaximum:
      return range + " の範囲で指定してください（" + NumberText(refusal.value) +
             " は使えません）。";
  }
  return range + " の範囲で指定してください。";
}

}  // namespace voka::limits
