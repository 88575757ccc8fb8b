// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/fixed_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace voka {

namespace {

// The longest "%f" text of a double: 309 integer digits of the largest
// finite value, a sign, a full stop and the decimals asked for.
constexpr std::size_t kLongestInteger = 310;

}  // namespace

std::string FormatFixed(double value, int decimals, int width) {
  std::string text;
  if (!std::isfinite(value)) {
    text = "nan";
  } else {
    // to_chars with a precision is defined as printf in the "C" locale, and
    // never looks at the process locale.
    std::array<char, kLongestInteger + 64> buffer{};
    const int precision = decimals < 0 ? 0 : (decimals > 48 ? 48 : decimals);
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, precision);
    text.assign(buffer.data(), error == std::errc{} ? end : buffer.data());
  }
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

}  // namespace voka
