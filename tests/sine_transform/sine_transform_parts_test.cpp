// SPDX-License-Identifier: GPL-3.0-or-later
// The rungs the sine transform is built from, each against an independent
// computation: a direct bit reversal, a direct complex DFT, the trigonometric
// values the tables stand for.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "random_values.h"
#include "simd/scalar_lanes.h"
#include "sine_transform/complex_transform.h"
#include "sine_transform/transform_work.h"

namespace voka {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr std::int32_t kSentinel = 0x7eadbeef;

// p with its `bits` lowest bits in reverse order.
int Reversed(int p, int bits) {
  int r = 0;
  for (int b = 0; b < bits; ++b) r |= ((p >> b) & 1) << (bits - 1 - b);
  return r;
}

int Log2(int n) {
  return std::countr_zero(static_cast<unsigned>(n));
}

using test::RandomValues;

TEST(BitReversePairs, MovesEveryPairToItsReversedIndexWithinItsScratch) {
  for (int length = 2; length <= 1024; length *= 2) {
    const int pairs = length / 2;
    std::vector<double> a(length);
    for (int p = 0; p < pairs; ++p) {
      a[2 * p] = p;
      a[2 * p + 1] = -p - 0.5;
    }
    const int scratch_count = BitReverseScratchCount(length);
    std::vector<std::int32_t> scratch(scratch_count + 4, kSentinel);
    lanes::BitReversePairs<simd::ScalarLanes>(length, scratch.data(), a.data());
    for (int p = 0; p < pairs; ++p) {
      const int r = Reversed(p, Log2(pairs));
      ASSERT_EQ(a[2 * r], p) << "length=" << length << " pair " << p;
      ASSERT_EQ(a[2 * r + 1], -p - 0.5) << "length=" << length << " pair " << p;
    }
    for (std::size_t i = scratch_count; i < scratch.size(); ++i) {
      EXPECT_EQ(scratch[i], kSentinel) << "length=" << length << " wrote scratch " << i;
    }
  }
}

TEST(TwiddleTable, HoldsTheQuarterCircleInBitReversedOrder) {
  for (int nw = 4; nw <= 128; nw *= 2) {
    std::vector<std::int32_t> index(TransformIndexCount(4 * nw), kSentinel);
    std::vector<double> w(nw);
    BuildTwiddleTable(nw, index.data(), w.data());
    EXPECT_EQ(index[kTwiddleSizeSlot], nw);
    EXPECT_EQ(index[kCosineSizeSlot], 1);
    const int pairs = nw / 2;
    for (int p = 0; p < pairs; ++p) {
      const long double angle = kPi * Reversed(p, Log2(pairs)) / nw;
      ASSERT_NEAR(w[2 * p], std::cos(angle), 2e-16) << "nw=" << nw << " p=" << p;
      ASSERT_NEAR(w[2 * p + 1], std::sin(angle), 2e-16) << "nw=" << nw << " p=" << p;
    }
    EXPECT_EQ(w[0], 1);
    EXPECT_EQ(w[1], 0);
    EXPECT_EQ(w[2], w[3]) << "T[1] = e^(i pi/4) has equal parts";
  }
}

TEST(TwiddleTable, ALongTableBeginsWithEveryShorterOne) {
  std::vector<std::int32_t> index(TransformIndexCount(512));
  std::vector<double> longest(128);
  BuildTwiddleTable(128, index.data(), longest.data());
  for (int nw = 4; nw < 128; nw *= 2) {
    std::vector<double> shorter(nw);
    BuildTwiddleTable(nw, index.data(), shorter.data());
    EXPECT_EQ(std::memcmp(shorter.data(), longest.data(), nw * sizeof(double)), 0) << "nw=" << nw;
  }
}

TEST(TwiddleTable, UpToTwoDoublesNothingIsWritten) {
  for (int nw : {0, 1, 2}) {
    std::vector<std::int32_t> index = {99, 99, kSentinel};
    std::vector<double> w = {7, 7};
    BuildTwiddleTable(nw, index.data(), w.data());
    EXPECT_EQ(index, (std::vector<std::int32_t>{nw, 1, kSentinel}));
    EXPECT_EQ(w, (std::vector<double>{7, 7}));
  }
}

TEST(CosineTable, HoldsHalfCosinesOfTheQuarterCircle) {
  for (int nc = 2; nc <= 512; nc *= 2) {
    std::vector<std::int32_t> index = {0, 0};
    std::vector<double> cs(nc);
    BuildCosineTable(nc, index.data(), cs.data());
    EXPECT_EQ(index[kCosineSizeSlot], nc);
    EXPECT_NEAR(cs[0], std::cos(kPi / 4), 2e-16);
    for (int i = 1; i < nc; ++i) {
      ASSERT_NEAR(cs[i], 0.5L * std::cos(kPi * i / (2 * nc)), 1e-16) << "nc=" << nc << " i=" << i;
    }
  }
}

// X[k] = sum over p of z[p] e^(+2 pi i p k / count), in long double.
std::vector<std::complex<long double>> DirectDft(const std::vector<double>& a) {
  const int count = static_cast<int>(a.size()) / 2;
  std::vector<std::complex<long double>> result(count);
  for (int k = 0; k < count; ++k) {
    for (int p = 0; p < count; ++p) {
      const long double angle = 2 * kPi * ((static_cast<long long>(p) * k) % count) / count;
      result[k] += std::complex<long double>(a[2 * p], a[2 * p + 1]) *
                   std::complex<long double>(std::cos(angle), std::sin(angle));
    }
  }
  return result;
}

// The twiddle table a complex pass over n doubles reads.
struct Twiddles {
  explicit Twiddles(int n) : index(TransformIndexCount(n)), w(std::max(n / 4, 2)) {
    BuildTwiddleTable(n / 4, index.data(), w.data());
  }
  std::vector<std::int32_t> index;
  std::vector<double> w;
};

std::vector<double> Forward(std::vector<double> a, Twiddles& twiddles) {
  const int n = static_cast<int>(a.size());
  lanes::BitReversePairs<simd::ScalarLanes>(n, twiddles.index.data() + kScratchStart, a.data());
  lanes::ComplexForward<simd::ScalarLanes>(n, a.data(), twiddles.w.data());
  return a;
}

TEST(ComplexForward, AgreesWithTheDirectDftFromBitReversedInput) {
  for (int n = 4; n <= 512; n *= 2) {
    Twiddles twiddles(n);
    const std::vector<double> input = RandomValues(n, 300 + n);
    const std::vector<double> result = Forward(input, twiddles);
    const std::vector<std::complex<long double>> expected = DirectDft(input);
    for (int k = 0; k < n / 2; ++k) {
      ASSERT_NEAR(result[2 * k], static_cast<double>(expected[k].real()), 1e-12)
          << "n=" << n << " k=" << k;
      ASSERT_NEAR(result[2 * k + 1], static_cast<double>(expected[k].imag()), 1e-12)
          << "n=" << n << " k=" << k;
    }
  }
}

TEST(ComplexBackward, IsExactlyTheConjugateOfComplexForward) {
  for (int n = 4; n <= 512; n *= 2) {
    Twiddles twiddles(n);
    std::vector<double> backward = RandomValues(n, 500 + n);
    const std::vector<double> forward = Forward(backward, twiddles);
    lanes::BitReversePairs<simd::ScalarLanes>(n, twiddles.index.data() + kScratchStart,
                                              backward.data());
    lanes::ComplexBackward<simd::ScalarLanes>(n, backward.data(), twiddles.w.data());
    for (int k = 0; k < n / 2; ++k) {
      const double conjugate_im = -forward[2 * k + 1];
      ASSERT_EQ(std::memcmp(&backward[2 * k], &forward[2 * k], sizeof(double)), 0)
          << "n=" << n << " k=" << k;
      ASSERT_EQ(std::memcmp(&backward[2 * k + 1], &conjugate_im, sizeof(double)), 0)
          << "n=" << n << " k=" << k;
    }
  }
}

TEST(FirstRadixFourStage, EqualsTheGeneralPassAtDistanceTwo) {
  for (int n = 16; n <= 512; n *= 2) {
    Twiddles twiddles(n);
    std::vector<double> first = RandomValues(n, 700 + n);
    std::vector<double> general = first;
    lanes::FirstRadixFourStage<simd::ScalarLanes>(n, first.data(), twiddles.w.data());
    lanes::RadixFourStage<simd::ScalarLanes>(n, 2, general.data(), twiddles.w.data());
    EXPECT_EQ(std::memcmp(first.data(), general.data(), n * sizeof(double)), 0) << "n=" << n;
  }
}

}  // namespace
}  // namespace voka
