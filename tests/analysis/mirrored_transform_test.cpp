// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/mirrored_transform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace voka {
namespace {

// A 512x512 grid in the row-pointer layout, every cell set to `fill`.
struct MirrorGrid {
  explicit MirrorGrid(double fill) : cells(kGridSize * kGridSize, fill), rows(kGridSize) {
    for (int x = 0; x < kGridSize; ++x) rows[x] = &cells[static_cast<std::size_t>(x) * kGridSize];
  }
  DoubleGrid grid() { return rows.data(); }
  std::vector<double> cells;
  std::vector<double*> rows;
};

constexpr double kUntouched = -12345.0;

class SpectrumMirror : public testing::Test {
 protected:
  void SetUp() override {
    // Every coefficient distinct, those from index 256 up included.
    for (int x = 0; x < kGridSize; ++x) {
      for (int y = 0; y < kGridSize; ++y) transformed.grid()[x][y] = x * 1000.0 + y;
    }
    MirrorSpectrum(transformed.grid(), spectrum.grid());
  }
  double T(int x, int y) { return transformed.grid()[x][y]; }
  double S(int x, int y) { return spectrum.grid()[x][y]; }

  MirrorGrid transformed{0.0};
  MirrorGrid spectrum{kUntouched};
};

TEST_F(SpectrumMirror, EveryCellHoldsTheCoefficientAtItsDistanceFromTheCentre) {
  for (int x = 1; x < kGridSize; ++x) {
    for (int y = 1; y < kGridSize; ++y) {
      ASSERT_EQ(S(x, y), T(std::abs(x - 256), std::abs(y - 256))) << "x=" << x << " y=" << y;
    }
  }
}

TEST_F(SpectrumMirror, RowAndColumnZeroAreLeftAlone) {
  for (int n = 0; n < kGridSize; ++n) {
    EXPECT_EQ(S(0, n), kUntouched) << "S[0][" << n << "]";
    EXPECT_EQ(S(n, 0), kUntouched) << "S[" << n << "][0]";
  }
}

TEST_F(SpectrumMirror, LowOrderCoefficientsLandAroundTheCentreAndCorners) {
  EXPECT_EQ(S(256, 256), T(0, 0));
  EXPECT_EQ(S(255, 256), T(1, 0));
  EXPECT_EQ(S(257, 256), T(1, 0));
  EXPECT_EQ(S(256, 255), T(0, 1));
  EXPECT_EQ(S(256, 257), T(0, 1));
  for (const auto& [x, y] :
       {std::pair{1, 1}, std::pair{1, 511}, std::pair{511, 1}, std::pair{511, 511}}) {
    EXPECT_EQ(S(x, y), T(255, 255)) << "x=" << x << " y=" << y;
  }
}

}  // namespace
}  // namespace voka
