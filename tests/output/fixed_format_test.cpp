// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/fixed_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace voka {
namespace {

// The C library's own "%*.*f" in the "C" locale, as the independent reference.
std::string CFormat(double value, int decimals, int width) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "C");
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  std::setlocale(LC_NUMERIC, saved.c_str());
  return buffer;
}

TEST(FixedFormat, MatchesPrintfAcrossMagnitudesAndRounding) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 22);
  for (int n = 0; n < 20000; ++n) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    for (const auto& [decimals, width] : {std::pair{6, 0}, std::pair{2, 6}, std::pair{2, 8}}) {
      ASSERT_EQ(FormatFixed(value, decimals, width), CFormat(value, decimals, width))
          << "value=" << value << " decimals=" << decimals << " width=" << width;
    }
  }
  // Halfway cases and the extremes of the range.
  for (const double value :
       {0.0000005, 0.0000015, 2.5e-7, 0.125, 1.0000005, 0.005, 0.015,
        std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
        std::numeric_limits<double>::denorm_min()}) {
    EXPECT_EQ(FormatFixed(value, 6), CFormat(value, 6, 0)) << "value=" << value;
  }
}

TEST(FixedFormat, KeepsTheSignOfTinyNegativesAndWritesNanForNonFinite) {
  EXPECT_EQ(FormatFixed(1.0, 6), "1.000000");
  EXPECT_EQ(FormatFixed(-1e-9, 6), "-0.000000");
  EXPECT_EQ(FormatFixed(-0.0, 6), "-0.000000");
  EXPECT_EQ(FormatFixed(123456789012.5, 6), "123456789012.500000");
  EXPECT_EQ(FormatFixed(0.0, 2, 6), "  0.00");
  EXPECT_EQ(FormatFixed(1.0, 2, 8), "    1.00");
  EXPECT_EQ(FormatFixed(12345.678, 2, 6), "12345.68");  // wider than the field: not cut
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(FormatFixed(value, 6), "nan");
    EXPECT_EQ(FormatFixed(value, 2, 6), "   nan");
  }
}

// Qt applications take the user's locale at start-up; a comma locale must not
// reach the numbers.
TEST(FixedFormat, IgnoresTheProcessLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "German"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      found = name;
      break;
    }
  }
  if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string text = FormatFixed(-1234.5, 6);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(text, "-1234.500000") << "locale=" << found;
}

}  // namespace
}  // namespace voka
