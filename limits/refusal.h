// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why a number was refused, as a value rather than a sentence: the message is
// made from it in one place, and a translation maps each reason.

#include <optional>
#include <string>

#include "limits/limits.h"

namespace voka::limits {

enum class RefusalReason {
  kNotFinite,     // not a number, or infinite
  kNotWhole,      // a count with a fraction
  kBelowMinimum,  // under the table's minimum
  kAboveMaximum,  // over the table's maximum
};

struct Refusal {
  LimitId limit;
  RefusalReason reason;
  double value;  // what was given
};

// Nothing when `value` is within the limit's range (and whole if asked).
std::optional<Refusal> Check(LimitId limit, double value, bool whole = false);

// The Japanese message: which number, the accepted range with its unit, and
// the value that was given.
std::string RefusalMessage(const Refusal& refusal);

// A number as the help and the messages write it: whole numbers without a
// fraction ("1000000"), others as briefly as they read exactly ("0.5").
std::string NumberText(double value);

// "16〜8192 ピクセル"
std::string RangeText(const Limit& limit);

}  // namespace voka::limits
