// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/sine_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "random_values.h"
#include "sine_transform/transform_work.h"

namespace voka {
namespace {

constexpr int kLongest = 512;
constexpr long double kPi = 3.141592653589793238462643383279502884L;

// The lengths the engine takes: every power of two from 2 to 512.
std::vector<int> Lengths() {
  std::vector<int> lengths;
  for (int n = 2; n <= kLongest; n *= 2) lengths.push_back(n);
  return lengths;
}

// sin(pi * numerator / (2n)), the angle reduced exactly before it meets pi.
long double HalfStepSine(long long numerator, int n) {
  const long long period = 4LL * n;
  return std::sin(kPi * static_cast<long double>(numerator % period) / (2.0L * n));
}

// The two transforms written as plain O(n^2) sums, in long double.
// sign >= 0: a[k] = sum over j = 1..n of A[j] sin(pi j (k + 1/2) / n), A[n] = a[0].
std::vector<double> DirectPlus(const std::vector<double>& a) {
  const int n = static_cast<int>(a.size());
  std::vector<double> result(n);
  for (int k = 0; k < n; ++k) {
    long double sum = 0;
    for (int j = 1; j <= n; ++j) {
      sum += a[j % n] * HalfStepSine(static_cast<long long>(j) * (2 * k + 1), n);
    }
    result[k] = static_cast<double>(sum);
  }
  return result;
}

// sign < 0: S[k] = sum over j = 0..n-1 of a[j] sin(pi (j + 1/2) k / n); S[n] goes to a[0].
std::vector<double> DirectMinus(const std::vector<double>& a) {
  const int n = static_cast<int>(a.size());
  std::vector<double> result(n);
  for (int k = 1; k <= n; ++k) {
    long double sum = 0;
    for (int j = 0; j < n; ++j) {
      sum += a[j] * HalfStepSine(static_cast<long long>(2 * j + 1) * k, n);
    }
    result[k % n] = static_cast<double>(sum);
  }
  return result;
}

using test::RandomValues;

// A work area as large as the FFT command's, fresh: element 0 set to 0, the
// rest left as garbage so that nothing relies on it.
struct Work {
  Work() {
    index[kTwiddleSizeSlot] = 0;
    index[kCosineSizeSlot] = -777;
  }
  std::vector<std::int32_t> index = std::vector<std::int32_t>(24, 0x5a5a5a5a);
  std::vector<double> table = std::vector<double>(768, 1e300);

  std::vector<double> Transform(std::vector<double> a, int sign) {
    SineTransform(static_cast<int>(a.size()), sign, a.data(), index.data(), table.data());
    return a;
  }
};

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

void ExpectNear(const std::vector<double>& result, const std::vector<double>& expected,
                double tolerance, const char* what) {
  const int n = static_cast<int>(result.size());
  for (int k = 0; k < n; ++k) {
    ASSERT_NEAR(result[k], expected[k], tolerance)
        << what << ": n=" << n << " k=" << k << " result=" << result[k]
        << " expected=" << expected[k] << " error=" << result[k] - expected[k];
  }
}

TEST(SineTransform, BothSignsAgreeWithTheDirectSumsAtEveryLength) {
  for (int n : Lengths()) {
    const std::vector<double> input = RandomValues(n, 1000 + n);
    Work work;
    ExpectNear(work.Transform(input, 1), DirectPlus(input), 1e-11, "sign +1");
    ExpectNear(work.Transform(input, -1), DirectMinus(input), 1e-11, "sign -1");
  }
}

TEST(SineTransform, OnlyTheSignOfTheSignArgumentMatters) {
  const std::vector<double> input = RandomValues(64, 7);
  Work work;
  EXPECT_TRUE(SameBits(work.Transform(input, 0), work.Transform(input, 1)));
  EXPECT_TRUE(SameBits(work.Transform(input, 12345), work.Transform(input, 1)));
  EXPECT_TRUE(SameBits(work.Transform(input, -3), work.Transform(input, -1)));
}

TEST(SineTransform, MinusThenPlusGivesTheInputBack) {
  for (int n : Lengths()) {
    const std::vector<double> input = RandomValues(n, 2000 + n);
    Work work;
    std::vector<double> a = work.Transform(input, -1);
    a[0] *= 0.5;
    a = work.Transform(a, 1);
    double worst = 0;
    for (int k = 0; k < n; ++k) worst = std::max(worst, std::fabs(a[k] * 2 / n - input[k]));
    EXPECT_LT(worst, 4e-15) << "problem at length " << n << ": error " << worst;
  }
}

TEST(SineTransform, AnImpulseAtElementZeroAlternatesInSign) {
  for (int n : Lengths()) {
    std::vector<double> impulse(n, 0.0);
    impulse[0] = 1;
    const std::vector<double> result = Work().Transform(impulse, 1);
    for (int k = 0; k < n; ++k) {
      ASSERT_NEAR(result[k], k % 2 == 0 ? 1.0 : -1.0, 1e-14) << "n=" << n << " k=" << k;
    }
  }
}

TEST(SineTransform, AnImpulseAtElementOneGivesTheHalfStepSines) {
  for (int n : Lengths()) {
    std::vector<double> impulse(n, 0.0);
    impulse[1] = 1;
    const std::vector<double> result = Work().Transform(impulse, 1);
    for (int k = 0; k < n; ++k) {
      const double expected = std::sin(std::numbers::pi * (k + 0.5) / n);
      ASSERT_NEAR(result[k], expected, 1e-14) << "n=" << n << " k=" << k;
    }
  }
}

TEST(SineTransform, LengthFourByHand) {
  EXPECT_EQ(Work().Transform({1, 0, 0, 0}, 1), (std::vector<double>{1, -1, 1, -1}));
  const std::vector<double> result = Work().Transform({0, 1, 0, 0}, 1);
  const double s1 = std::sin(std::numbers::pi / 8);
  const double s3 = std::sin(3 * std::numbers::pi / 8);
  EXPECT_DOUBLE_EQ(result[0], s1);
  EXPECT_DOUBLE_EQ(result[1], s3);
  EXPECT_DOUBLE_EQ(result[2], s3);
  EXPECT_DOUBLE_EQ(result[3], s1);
}

TEST(SineTransform, LengthTwoByHand) {
  const double c = std::cos(std::numbers::pi / 4);
  const std::vector<double> plus = Work().Transform({3, 5}, 1);
  EXPECT_DOUBLE_EQ(plus[0], 3 + 5 * c);
  EXPECT_DOUBLE_EQ(plus[1], 5 * c - 3);
  const std::vector<double> minus = Work().Transform({3, 5}, -1);
  EXPECT_EQ(minus[0], -2);
  EXPECT_DOUBLE_EQ(minus[1], 8 * c);
}

TEST(SineTransformTables, AreBuiltForTheFirstLengthAndServeShorterOnes) {
  Work work;
  const std::vector<double> longest = RandomValues(kLongest, 3);
  ExpectNear(work.Transform(longest, 1), DirectPlus(longest), 1e-11, "first call");
  EXPECT_EQ(work.index[kTwiddleSizeSlot], 128);
  EXPECT_EQ(work.index[kCosineSizeSlot], 512);
  const std::vector<double> tables(work.table.begin(), work.table.begin() + 640);

  for (int n : {256, 64, 2}) {
    const std::vector<double> input = RandomValues(n, 4000 + n);
    const std::vector<double> reused = work.Transform(input, 1);
    EXPECT_EQ(work.index[kTwiddleSizeSlot], 128) << "after length " << n;
    EXPECT_EQ(work.index[kCosineSizeSlot], 512) << "after length " << n;
    EXPECT_TRUE(std::equal(tables.begin(), tables.end(), work.table.begin()))
        << "the tables changed at length " << n;
    // The strided reads of the long tables meet the very values a table
    // built for n holds, so the results match a fresh area's bit for bit.
    EXPECT_TRUE(SameBits(reused, Work().Transform(input, 1))) << "length " << n;
    EXPECT_TRUE(SameBits(work.Transform(input, -1), Work().Transform(input, -1))) << "length " << n;
    ExpectNear(reused, DirectPlus(input), 1e-11, "reused tables");
  }
}

TEST(SineTransformTables, ALongerLengthRebuildsBothParts) {
  Work work;
  work.Transform(RandomValues(16, 5), 1);
  EXPECT_EQ(work.index[kTwiddleSizeSlot], 4);
  EXPECT_EQ(work.index[kCosineSizeSlot], 16);
  const std::vector<double> input = RandomValues(256, 6);
  const std::vector<double> result = work.Transform(input, -1);
  EXPECT_EQ(work.index[kTwiddleSizeSlot], 64);
  EXPECT_EQ(work.index[kCosineSizeSlot], 256);
  EXPECT_TRUE(SameBits(result, Work().Transform(input, -1)));
}

TEST(SineTransformTables, LengthTwoAloneLeavesNoTwiddlePart) {
  Work work;
  const std::vector<double> first = work.Transform({0.25, -0.5}, 1);
  EXPECT_EQ(work.index[kTwiddleSizeSlot], 0);
  EXPECT_EQ(work.index[kCosineSizeSlot], 2);
  // Every call on such an area rebuilds both parts; the result is the same.
  EXPECT_TRUE(SameBits(work.Transform({0.25, -0.5}, 1), first));
}

TEST(SineTransformTables, TheCosineSizeOfAFreshAreaMayHoldAnything) {
  const std::vector<double> input = RandomValues(128, 8);
  const std::vector<double> expected = Work().Transform(input, 1);
  for (std::int32_t garbage : {0, 1, 128, 1 << 30, -1}) {
    Work work;
    work.index[kCosineSizeSlot] = garbage;
    EXPECT_TRUE(SameBits(work.Transform(input, 1), expected)) << "element 1 = " << garbage;
    EXPECT_EQ(work.index[kCosineSizeSlot], 128);
  }
}

#ifndef NDEBUG
// A length the engine cannot take is a programming error, caught in debug builds.
TEST(SineTransformDeathTest, RejectsLengthsThatAreNotPowersOfTwoFromTwo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int n : {0, 1, 3, 6, 384}) {
    EXPECT_DEATH(Work().Transform(std::vector<double>(n), 1), "power-of-two") << "n=" << n;
  }
}
#endif

}  // namespace
}  // namespace voka
