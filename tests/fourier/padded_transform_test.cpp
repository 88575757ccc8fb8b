// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/padded_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <mutex>
#include <numbers>
#include <vector>

namespace voka::fourier {
namespace {

struct Spectrum {
  int paddedSide = 0;
  // paddedSide rows of the columns 0 .. paddedSide/2, column-major.
  std::vector<std::complex<double>> values;
  std::vector<int> timesMade;  // per column
};

Spectrum Transform(const std::vector<double>& pupil, int side, int paddedSide, int workers) {
  Spectrum spectrum;
  spectrum.paddedSide = paddedSide;
  const int halfWidth = paddedSide / 2 + 1;
  spectrum.values.resize(static_cast<std::size_t>(halfWidth) * paddedSide);
  spectrum.timesMade.assign(static_cast<std::size_t>(halfWidth), 0);
  std::mutex mutex;
  const bool finished = TransformPaddedPupil(
      {side, pupil.data()}, paddedSide, workers,
      [&](int, const SpectrumColumns& block) {
        const std::lock_guard lock(mutex);
        EXPECT_EQ(block.firstColumn, block.index * kSpectrumBlockColumns);
        for (int c = 0; c < block.columnCount; ++c) {
          const int column = block.firstColumn + c;
          ++spectrum.timesMade[static_cast<std::size_t>(column)];
          for (int k = 0; k < paddedSide; ++k) {
            const fftw_complex& value = block.values[std::size_t(c) * block.columnStride + k];
            spectrum.values[std::size_t(column) * paddedSide + k] = {value[0], value[1]};
          }
        }
      },
      {});
  EXPECT_TRUE(finished);
  return spectrum;
}

std::vector<double> UnevenPupil(int side) {
  std::vector<double> pupil(static_cast<std::size_t>(side) * side);
  for (std::size_t i = 0; i < pupil.size(); ++i) pupil[i] = double((i * 37 + 11) % 17) / 16.0;
  return pupil;
}

TEST(PaddedTransform, EveryColumnOnceAndTheSameBitsOnAnyNumberOfWorkers) {
  // Sides that leave the last block part-filled and rows that do not divide
  // among the workers.
  for (const int side : {37, 40}) {
    const std::vector<double> pupil = UnevenPupil(side);
    const int paddedSide = 3 * side;
    const Spectrum alone = Transform(pupil, side, paddedSide, 1);
    for (const int made : alone.timesMade) ASSERT_EQ(made, 1) << "side=" << side;
    for (const int workers : {2, 3, 7, 1000}) {
      const Spectrum shared = Transform(pupil, side, paddedSide, workers);
      EXPECT_EQ(shared.timesMade, alone.timesMade) << "side=" << side << " workers=" << workers;
      EXPECT_TRUE(shared.values == alone.values) << "side=" << side << " workers=" << workers;
    }
    // One value against the defining sum, so that the comparison above is
    // between right answers.
    const int row = 5;
    const int column = paddedSide / 2;
    std::complex<double> expected = 0.0;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const double phase =
            -2.0 * std::numbers::pi * (double(row) * y + double(column) * x) / paddedSide;
        expected += pupil[std::size_t(y) * side + x] * std::polar(1.0, phase);
      }
    }
    EXPECT_LT(std::abs(alone.values[std::size_t(column) * paddedSide + row] - expected), 1e-9)
        << "side=" << side;
  }
}

TEST(PaddedTransform, RefusesSizesThatDoNotFit) {
  const std::vector<double> pupil = UnevenPupil(8);
  const auto sink = [](int, const SpectrumColumns&) { ADD_FAILURE() << "no block expected"; };
  EXPECT_FALSE(TransformPaddedPupil({8, pupil.data()}, 7, 2, sink, {}));
  EXPECT_FALSE(TransformPaddedPupil({0, pupil.data()}, 16, 2, sink, {}));
  EXPECT_FALSE(TransformPaddedPupil({8, nullptr}, 16, 2, sink, {}));
}

}  // namespace
}  // namespace voka::fourier
