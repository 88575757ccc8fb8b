// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "limits/refusal.h"

namespace voka::limits {
namespace {

// A slip in the table (a default outside its range, a range upside down)
// would let the window start where the command line refuses.
TEST(LimitTable, EveryDefaultIsWithinItsRange) {
  for (const Limit& limit : kTable) {
    EXPECT_LE(limit.minimum, limit.defaultValue) << limit.name;
    EXPECT_LE(limit.defaultValue, limit.maximum) << limit.name;
    EXPECT_FALSE(limit.name.empty());
    EXPECT_FALSE(limit.help.empty()) << limit.name;
  }
  // The renderer draws every pupil the engine takes, and the engine pads them.
  EXPECT_EQ(SavedPupilSide().maximum, PupilSide().maximum);
  EXPECT_LE(PupilSide().maximum * PadFactor().minimum, PaddedSide().maximum);
}

TEST(LimitRefusal, SaysWhichLimitWhyAndTheValue) {
  EXPECT_FALSE(Check(LimitId::kPadFactor, 2, true));
  EXPECT_FALSE(Check(LimitId::kPadFactor, 8, true));
  const auto cases = {
      std::tuple{LimitId::kPadFactor, 9.0, true, RefusalReason::kAboveMaximum},
      std::tuple{LimitId::kPadFactor, 1.0, true, RefusalReason::kBelowMinimum},
      std::tuple{LimitId::kPadFactor, 2.5, true, RefusalReason::kNotWhole},
      std::tuple{LimitId::kApertureMm, std::nan(""), false, RefusalReason::kNotFinite},
      std::tuple{LimitId::kWavelengthNm, -HUGE_VAL, false, RefusalReason::kNotFinite},
  };
  for (const auto& [limit, value, whole, reason] : cases) {
    const auto refusal = Check(limit, value, whole);
    ASSERT_TRUE(refusal) << Of(limit).name << ' ' << value;
    EXPECT_EQ(refusal->reason, reason) << Of(limit).name << ' ' << value;
    EXPECT_EQ(refusal->limit, limit);
  }
  EXPECT_EQ(RefusalMessage(*Check(LimitId::kApertureMm, 60000)),
            "口径は 1〜50000 mm の範囲で指定してください（60000 は使えません）。");
  EXPECT_EQ(NumberText(1000000), "1000000");
  EXPECT_EQ(NumberText(0.5), "0.5");
}

}  // namespace
}  // namespace voka::limits
