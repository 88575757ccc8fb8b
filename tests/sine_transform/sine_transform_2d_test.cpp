// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/sine_transform_2d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "sine_transform/sine_transform.h"
#include "sine_transform/transform_work.h"

namespace voka {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// A grid in the row-pointer layout, rows in one vector for easy comparison.
struct Grid {
  Grid(int rows, int columns)
      : nrow(rows), ncol(columns), cells(static_cast<std::size_t>(rows) * columns) {
    Point();
  }
  Grid(const Grid& other) : nrow(other.nrow), ncol(other.ncol), cells(other.cells) { Point(); }
  Grid& operator=(const Grid&) = delete;
  void Point() {
    pointers.resize(nrow);
    for (int i = 0; i < nrow; ++i) pointers[i] = &cells[static_cast<std::size_t>(i) * ncol];
  }
  DoubleGrid grid() { return pointers.data(); }
  double& at(int i, int j) { return pointers[i][j]; }
  int nrow;
  int ncol;
  std::vector<double> cells;
  std::vector<double*> pointers;
};

Grid RandomGrid(int nrow, int ncol, unsigned seed) {
  Grid g(nrow, ncol);
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  for (double& v : g.cells) v = value(generator);
  return g;
}

// A fresh work area, sized for the side given.
struct Work {
  explicit Work(int longest)
      : index(TransformIndexCount(longest), 0x5a5a5a5a),
        table(TransformTableCount(longest), 1e300),
        buffer(longest) {
    index[kTwiddleSizeSlot] = 0;
  }
  std::vector<std::int32_t> index;
  std::vector<double> table;
  std::vector<double> buffer;
};

void Transform(Grid& g, int sign, const ProgressFn& progress = {}) {
  Work work(std::max(g.nrow, g.ncol));
  SineTransform2D(g.nrow, g.ncol, sign, g.grid(), work.buffer.data(), work.index.data(),
                  work.table.data(), progress);
}

// The straightforward order, kept as the reference for the faster ways the
// driver walks memory: every row in place, then every column gathered into a
// contiguous buffer, transformed there and scattered back, one at a time.
void ReferenceTransform(Grid& g, int sign) {
  Work work(std::max(g.nrow, g.ncol));
  for (int i = 0; i < g.nrow; ++i) {
    SineTransform(g.ncol, sign, g.pointers[i], work.index.data(), work.table.data());
  }
  for (int j = 0; j < g.ncol; ++j) {
    for (int i = 0; i < g.nrow; ++i) work.buffer[i] = g.at(i, j);
    SineTransform(g.nrow, sign, work.buffer.data(), work.index.data(), work.table.data());
    for (int i = 0; i < g.nrow; ++i) g.at(i, j) = work.buffer[i];
  }
}

bool SameBits(const Grid& a, const Grid& b) {
  return std::memcmp(a.cells.data(), b.cells.data(), a.cells.size() * sizeof(double)) == 0;
}

// The 1-D sine kernels of the two signs: sign >= 0 weighs input j (j = n for
// index 0) at output k by sin(pi j (k + 1/2) / n); sign < 0 weighs input j at
// output k (k = n for index 0) by sin(pi (j + 1/2) k / n).
long double Kernel(int sign, int n, int input, int output) {
  const long long numerator =
      sign >= 0 ? static_cast<long long>(input == 0 ? n : input) * (2 * output + 1)
                : static_cast<long long>(2 * input + 1) * (output == 0 ? n : output);
  return std::sin(kPi * static_cast<long double>(numerator % (4LL * n)) / (2.0L * n));
}

TEST(SineTransform2D, AgreesWithTheDirectDoubleSum) {
  for (int sign : {1, -1}) {
    Grid input = RandomGrid(16, 32, 11);
    Grid result = input;
    Transform(result, sign);
    for (int k = 0; k < 16; ++k) {
      for (int l = 0; l < 32; ++l) {
        long double sum = 0;
        for (int i = 0; i < 16; ++i) {
          for (int j = 0; j < 32; ++j) {
            sum += input.at(i, j) * Kernel(sign, 16, i, k) * Kernel(sign, 32, j, l);
          }
        }
        ASSERT_NEAR(result.at(k, l), static_cast<double>(sum), 1e-12)
            << "sign=" << sign << " k=" << k << " l=" << l;
      }
    }
  }
}

TEST(SineTransform2D, AnImpulseAtTheOriginAlternatesInSign) {
  Grid g(kGridSize, kGridSize);
  g.at(0, 0) = 1;
  Transform(g, 1);
  for (int k = 0; k < kGridSize; ++k) {
    for (int l = 0; l < kGridSize; ++l) {
      ASSERT_NEAR(g.at(k, l), (k + l) % 2 == 0 ? 1.0 : -1.0, 1e-13) << "k=" << k << " l=" << l;
    }
  }
}

TEST(SineTransform2D, AnImpulseAtOneOneGivesTheProductOfSines) {
  for (auto [nrow, ncol] : {std::pair{512, 512}, std::pair{256, 512}, std::pair{8, 2}}) {
    Grid g(nrow, ncol);
    g.at(1, 1) = 1;
    Transform(g, 1);
    for (int k = 0; k < nrow; ++k) {
      for (int l = 0; l < ncol; ++l) {
        const double expected = std::sin(std::numbers::pi * (k + 0.5) / nrow) *
                                std::sin(std::numbers::pi * (l + 0.5) / ncol);
        ASSERT_NEAR(g.at(k, l), expected, 1e-13) << nrow << "x" << ncol << " k=" << k << " l=" << l;
      }
    }
  }
}

TEST(SineTransform2D, EveryWayOfWalkingTheGridGivesTheReferenceBits) {
  const std::vector<std::pair<int, int>> shapes = {{512, 512}, {256, 512}, {512, 128}, {8, 4},
                                                   {4, 2},     {2, 2},     {2, 64},    {64, 2}};
  using simd::InstructionSet;
  for (const auto& [nrow, ncol] : shapes) {
    for (int sign : {1, -1}) {
      const Grid input = RandomGrid(nrow, ncol, 100 * nrow + ncol);
      Grid expected = input;
      ReferenceTransform(expected, sign);
      for (const InstructionSet set :
           {InstructionSet::kScalar, InstructionSet::kVector2, InstructionSet::kAvx2}) {
        if (!simd::Supports(set)) continue;
        Grid g = input;
        Work work(std::max(nrow, ncol));
        SineTransform2DOn(set, nrow, ncol, sign, g.grid(), work.buffer.data(), work.index.data(),
                          work.table.data(), {});
        EXPECT_TRUE(SameBits(g, expected))
            << "set " << static_cast<int>(set) << " " << nrow << "x" << ncol << " sign " << sign;
      }
      Grid fastest = input;
      Transform(fastest, sign);
      EXPECT_TRUE(SameBits(fastest, expected)) << nrow << "x" << ncol << " sign " << sign;
    }
  }
}

TEST(SineTransform2D, ReportsAfterEachRowAndBeforeEachColumn) {
  Grid g = RandomGrid(kGridSize, kGridSize, 5);
  // The grid after the row phase, made independently.
  Grid rows_done = g;
  Work work(kGridSize);
  for (int i = 0; i < kGridSize; ++i) {
    SineTransform(kGridSize, 1, rows_done.pointers[i], work.index.data(), work.table.data());
  }
  std::vector<int> positions;
  int rows_not_yet_done = 0;
  int columns_already_done = 0;
  const ProgressFn progress = [&](int position) {
    const int call = static_cast<int>(positions.size());
    positions.push_back(position);
    if (call < kGridSize) {
      if (g.at(call, 7) != rows_done.at(call, 7)) ++rows_not_yet_done;
    } else {
      const int column = call - kGridSize;
      if (g.at(3, column) != rows_done.at(3, column)) ++columns_already_done;
    }
  };
  Transform(g, 1, progress);

  ASSERT_EQ(positions.size(), 1024u);
  EXPECT_EQ(rows_not_yet_done, 0);
  EXPECT_EQ(columns_already_done, 0);
  EXPECT_EQ(positions[0], 0);
  EXPECT_EQ(positions[10], 0);
  EXPECT_EQ(positions[11], 1);  // 11/512*50 = 1.07
  EXPECT_EQ(positions[511], 49);
  EXPECT_EQ(positions[512], 50);
  EXPECT_EQ(positions[1023], 99);
  for (int call = 0; call < 1024; ++call) {
    const int step = call % kGridSize;
    const int expected = (step * 50) / kGridSize + (call < kGridSize ? 0 : 50);
    ASSERT_EQ(positions[call], expected) << "call " << call;
  }
}

TEST(SineTransform2D, RunsWithoutAProgressCallback) {
  Grid g(4, 4);
  g.at(0, 0) = 1;
  Transform(g, 1, ProgressFn{});
  EXPECT_NEAR(g.at(3, 2), -1, 1e-15);
}

TEST(SineTransform2D, BuildsTheTablesOnceForTheLongerSide) {
  Grid g = RandomGrid(256, 512, 9);
  Grid expected = g;
  ReferenceTransform(expected, 1);
  std::vector<std::int32_t> index(TransformIndexCount(512), 0);
  index[kCosineSizeSlot] = 3;
  std::vector<double> table(TransformTableCount(512));
  std::vector<double> buffer(256);  // a column is only 256 long
  SineTransform2D(256, 512, 1, g.grid(), buffer.data(), index.data(), table.data(), {});
  EXPECT_EQ(index[kTwiddleSizeSlot], 128);
  EXPECT_EQ(index[kCosineSizeSlot], 512);
  EXPECT_TRUE(SameBits(g, expected));
}

#ifndef NDEBUG
TEST(SineTransform2DDeathTest, RejectsSidesThatAreNotPowersOfTwoFromTwo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (auto [nrow, ncol] : {std::pair{3, 4}, std::pair{4, 1}, std::pair{12, 16}}) {
    EXPECT_DEATH(
        {
          Grid g(nrow, ncol);
          Transform(g, 1);
        },
        "powers of two")
        << nrow << "x" << ncol;
  }
}
#endif

}  // namespace
}  // namespace voka
