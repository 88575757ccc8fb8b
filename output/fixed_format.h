// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace voka {

// Writes a value as C's "%<width>.<decimals>f" would in the "C" locale,
// whatever the process locale: an optional minus sign (kept for values that
// round to zero, "-0.000000"), the integer part, a full stop and exactly
// `decimals` decimals, right-aligned with spaces in a field of at least
// `width` characters. A value that is not finite is written as "nan" on
// every platform, because the C libraries disagree on "nan", "-nan" and "inf".
std::string FormatFixed(double value, int decimals, int width = 0);

}  // namespace voka
