// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/matrix_fourier_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>
#include <vector>

namespace voka::fourier {
namespace {

using Complex = std::complex<double>;

// E(x, y) = Σ P exp(-2πi (x·u + y·v)) with the pupil sample's position
// (u, v) in diameters, v up, and the pixel's (x, y) in λ/D: the definition,
// written out.
Complex DirectSum(const std::vector<Complex>& pupil, int side, double x, double y) {
  Complex field = 0.0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const double u = (column - (side - 1) / 2.0) / side;
      const double v = -(row - (side - 1) / 2.0) / side;
      field += pupil[std::size_t(row) * side + column] *
               std::polar(1.0, -2.0 * std::numbers::pi * (x * u + y * v));
    }
  }
  return field;
}

struct Case {
  int pupilSide;
  MatrixFourierOutput output;
};

std::vector<Complex> SomeField(int side) {
  std::vector<Complex> field(std::size_t(side) * side);
  for (std::size_t i = 0; i < field.size(); ++i) {
    field[i] = std::polar(double((i * 37 + 11) % 17) / 16.0, 0.7 * double(i % 13));
  }
  return field;
}

TEST(MatrixFourierTransform, ComplexFieldMatchesTheDirectSumOnEveryPixel) {
  // Odd and even grids, off the axes (a flipped axis or sign shows), and a
  // window off the diagonal, which needs its own row kernel.
  const Case cases[] = {{9, {7, 0.37, 1.5, -2.25}}, {8, {6, 0.5, -0.75, 0.3}}, {5, {4, 1.1, 0, 0}}};
  for (const Case& c : cases) {
    const std::vector<Complex> pupil = SomeField(c.pupilSide);
    const MatrixFourierTransform<double> plan(c.pupilSide, c.output);
    const std::vector<Complex> field = plan.Apply(std::span<const Complex>(pupil));
    const int n = c.output.side;
    ASSERT_EQ(field.size(), std::size_t(n) * n);
    for (int row = 0; row < n; ++row) {
      for (int column = 0; column < n; ++column) {
        const double x =
            c.output.centreXLambdaOverD + (column - (n - 1) / 2.0) * c.output.stepLambdaOverD;
        const double y =
            c.output.centreYLambdaOverD - (row - (n - 1) / 2.0) * c.output.stepLambdaOverD;
        const Complex expected = DirectSum(pupil, c.pupilSide, x, y);
        EXPECT_LT(std::abs(field[std::size_t(row) * n + column] - expected),
                  1e-12 * c.pupilSide * c.pupilSide)
            << "pupil=" << c.pupilSide << " row=" << row << " column=" << column;
      }
    }
  }
}

TEST(MatrixFourierTransform, RealPathAndSinglePrecisionAgreeWithTheComplexDoublePath) {
  constexpr int kSide = 40;
  const MatrixFourierOutput output{33, 0.21, 0.4, -1.3};
  std::vector<double> amplitude(std::size_t(kSide) * kSide);
  for (std::size_t i = 0; i < amplitude.size(); ++i) amplitude[i] = double((i * 7) % 5) / 4.0;
  const std::vector<Complex> asComplex(amplitude.begin(), amplitude.end());
  const MatrixFourierTransform<double> plan(kSide, output);
  const std::vector<Complex> reference = plan.Apply(std::span<const Complex>(asComplex));
  double peak = 0.0;
  for (const Complex& value : reference) peak = std::max(peak, std::abs(value));

  const std::vector<Complex> real = plan.Apply(std::span<const double>(amplitude));
  const std::vector<float> amplitudeSingle(amplitude.begin(), amplitude.end());
  const std::vector<std::complex<float>> complexSingle(asComplex.begin(), asComplex.end());
  const MatrixFourierTransform<float> planSingle(kSide, output);
  const std::vector<std::complex<float>> realSingle =
      planSingle.Apply(std::span<const float>(amplitudeSingle));
  const std::vector<std::complex<float>> fieldSingle =
      planSingle.Apply(std::span<const std::complex<float>>(complexSingle));
  for (std::size_t i = 0; i < reference.size(); ++i) {
    ASSERT_LT(std::abs(real[i] - reference[i]), 1e-12 * peak) << "pixel " << i;
    ASSERT_LT(std::abs(Complex(realSingle[i]) - reference[i]), 1e-5 * peak) << "pixel " << i;
    ASSERT_LT(std::abs(Complex(fieldSingle[i]) - reference[i]), 1e-5 * peak) << "pixel " << i;
  }
}

TEST(MatrixFourierTransform, GridsThatCannotBeTransformedAreRefusedByName) {
  const double inf = INFINITY;
  const struct {
    int pupilSide;
    MatrixFourierOutput output;
    MatrixFourierRefusal reason;
  } refused[] = {
      {0, {5, 0.1, 0, 0}, MatrixFourierRefusal::kPupilSide},
      {kMaximumMatrixFourierSide + 1, {5, 0.1, 0, 0}, MatrixFourierRefusal::kPupilSide},
      {8, {0, 0.1, 0, 0}, MatrixFourierRefusal::kOutputSide},
      {8, {kMaximumMatrixFourierSide + 1, 0.1, 0, 0}, MatrixFourierRefusal::kOutputSide},
      {8, {5, 0.0, 0, 0}, MatrixFourierRefusal::kStep},
      {8, {5, NAN, 0, 0}, MatrixFourierRefusal::kStep},
      {8, {5, 1e308, 0, 0}, MatrixFourierRefusal::kCentre},
      {8, {5, 0.1, inf, 0}, MatrixFourierRefusal::kCentre},
      {8, {5, 0.1, 0, NAN}, MatrixFourierRefusal::kCentre},
  };
  for (const auto& c : refused) {
    EXPECT_EQ(CheckMatrixFourierPlan(c.pupilSide, c.output), c.reason) << "pupil=" << c.pupilSide;
    try {
      const MatrixFourierTransform<float> plan(c.pupilSide, c.output);
      ADD_FAILURE() << "made a plan for pupil=" << c.pupilSide;
    } catch (const MatrixFourierPlanRefused& refusal) {
      EXPECT_EQ(refusal.Reason(), c.reason) << "pupil=" << c.pupilSide;
    }
  }
  const MatrixFourierTransform<double> plan(8, {5, 0.1, 0, 0});
  const std::vector<double> tooShort(63);
  EXPECT_THROW(plan.Apply(std::span<const double>(tooShort)), std::invalid_argument);
}

}  // namespace
}  // namespace voka::fourier
