// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "exact_coverage.h"
#include "psf/autocorrelation.h"
#include "psf/psf_analysis.h"

namespace voka::psf {
namespace {

using Complex = std::complex<double>;

PupilField LopsidedPupil(int side) {
  PupilField pupil = test::AnnularPupil(side, 0.3, 5.5, -3.0);
  test::AddCurvedVane(pupil, 10.0, 20.0, 30.0, 1.5);
  pupil.vaneAnglesDeg = {30.0};
  return pupil;
}

Complex Field(const PupilField& pupil, int row, int column, double wavelengthNm) {
  const std::size_t index = std::size_t(row) * pupil.side + column;
  return std::polar(pupil.amplitude[index],
                    2.0 * std::numbers::pi * pupil.opdNm[index] / wavelengthNm);
}

double WorstDifference(const std::vector<double>& a, const std::vector<double>& b) {
  EXPECT_EQ(a.size(), b.size());
  double worst = 0.0;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    worst = std::max(worst, std::abs(a[i] - b[i]));
  return worst;
}

double WorstPixelDifference(const StarImage& a, const StarImage& b, int rowShift, int columnShift) {
  const int side = a.paddedSide;
  double worst = 0.0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const int fromRow = (row - rowShift + side) % side;
      const int fromColumn = (column - columnShift + side) % side;
      worst = std::max(worst, std::abs(a.At(row, column) - b.At(fromRow, fromColumn)));
    }
  }
  return worst;
}

TEST(PupilPhase, ZeroPhaseTakesTheComplexPathToTheRealPathsResults) {
  for (const auto& [side, padFactor] : {std::pair{64, 4}, std::pair{63, 3}}) {
    const PupilField real = LopsidedPupil(side);
    PupilField zeroPhase = real;
    zeroPhase.opdNm.assign(zeroPhase.amplitude.size(), 0.0);
    PsfSettings settings;
    settings.padFactor = padFactor;
    const PsfAnalysis expected = *AnalysePupil(real, settings);
    const PsfAnalysis actual = *AnalysePupil(zeroPhase, settings);
    ASSERT_FALSE(expected.image.wholeGrid);
    ASSERT_TRUE(actual.image.wholeGrid);
    const double peak = expected.image.peakIntensity;
    const std::string where = "side=" + std::to_string(side) + " pad=" + std::to_string(padFactor);
    EXPECT_LT(WorstPixelDifference(actual.image, expected.image, 0, 0), 1e-12 * peak) << where;
    EXPECT_NEAR(actual.image.totalIntensity, expected.image.totalIntensity,
                1e-12 * expected.image.totalIntensity)
        << where;
    EXPECT_NEAR(actual.numbers.peakRatio, expected.numbers.peakRatio, 1e-12 * peak) << where;
    EXPECT_NEAR(actual.numbers.spikeFraction, expected.numbers.spikeFraction, 1e-12) << where;
    std::vector<double> expectedEnergy, actualEnergy;
    for (const EncircledEnergyPoint& point : expected.numbers.encircledEnergy)
      expectedEnergy.push_back(point.fraction);
    for (const EncircledEnergyPoint& point : actual.numbers.encircledEnergy)
      actualEnergy.push_back(point.fraction);
    EXPECT_LT(WorstDifference(actualEnergy, expectedEnergy), 1e-12) << where;
    EXPECT_LT(WorstDifference(actual.mtf.radialMean, expected.mtf.radialMean), 1e-12) << where;
    EXPECT_LT(WorstDifference(actual.mtf.alongVanes, expected.mtf.alongVanes), 1e-12) << where;
    EXPECT_LT(WorstDifference(actual.mtf.betweenVanes, expected.mtf.betweenVanes), 1e-12) << where;
  }
}

TEST(PupilPhase, TiltMovesTheImageTowardTheTiltAndKeepsTheMtf) {
  // s waves of tilt across the aperture move the image s λ/D, which is
  // s·Q pixels: 1.5 waves rising toward +x, 0.75 waves rising toward -y.
  constexpr int kSide = 64;
  const PupilField untilted = LopsidedPupil(kSide);
  PsfSettings settings;
  PupilField tilted = untilted;
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      const double x = column - kSide / 2.0, y = kSide / 2.0 - row;
      tilted.opdNm.push_back(settings.wavelengthNm * (1.5 * x - 0.75 * y) / kSide);
    }
  }
  const PsfAnalysis plain = *AnalysePupil(untilted, settings);
  const PsfAnalysis moved = *AnalysePupil(tilted, settings);
  // Toward +x is toward later columns; toward -y, toward later rows.
  EXPECT_LT(WorstPixelDifference(moved.image, plain.image, 3, 6),
            1e-12 * plain.image.peakIntensity);
  // A shift multiplies the transfer function by a phase alone. The shift of
  // 3 rows is not a whole step of its sample grid (every second pixel).
  EXPECT_LT(WorstDifference(moved.mtf.radialMean, plain.mtf.radialMean), 1e-12);
  EXPECT_LT(WorstDifference(moved.mtf.alongVanes, plain.mtf.alongVanes), 1e-12);
  EXPECT_LT(WorstDifference(moved.mtf.betweenVanes, plain.mtf.betweenVanes), 1e-12);
}

// A small pupil of uneven amplitude and phase, so that no symmetry holds.
PupilField UnevenField(int side) {
  PupilField pupil;
  pupil.side = side;
  for (int i = 0; i < side * side; ++i) {
    pupil.amplitude.push_back((i * 7 % 5) / 4.0);
    pupil.opdNm.push_back((i * 37 % 23) * 31.0 - 300.0);
  }
  pupil.amplitude[0] = 1.0;
  return pupil;
}

TEST(PupilPhase, ComplexImageMatchesTheDirectSumEverywhere) {
  for (int pupilSide = 1; pupilSide <= 5; ++pupilSide) {
    for (const int padFactor : {2, 3}) {
      const PupilField pupil = UnevenField(pupilSide);
      PsfSettings settings;
      settings.padFactor = padFactor;
      const StarImage image = *ComputeStarImage(pupil, settings);
      const int side = image.paddedSide;
      for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
          Complex field = 0.0;
          for (int y = 0; y < pupilSide; ++y) {
            for (int x = 0; x < pupilSide; ++x) {
              const double phase =
                  -2.0 * std::numbers::pi *
                  double((row - image.centreIndex) * y + (column - image.centreIndex) * x) / side;
              field += Field(pupil, y, x, settings.wavelengthNm) * std::polar(1.0, phase);
            }
          }
          const double expected = std::norm(field) / ClearAperturePeak(pupilSide);
          ASSERT_NEAR(image.At(row, column), expected, 1e-12 * image.peakIntensity)
              << "side=" << side << " row=" << row << " column=" << column;
        }
      }
    }
  }
}

TEST(PupilPhase, ComplexAutocorrelationMatchesTheDirectSumAtEveryShift) {
  // |C(s)| differs from |C(s')| for the mirrored shift s' = (r, -c), so a
  // quadrant read from the wrong place shows.
  constexpr int kSide = 8;
  const PupilField pupil = UnevenField(kSide);
  PsfSettings settings;
  const Autocorrelation correlation(*ComputeStarImage(pupil, settings));
  double atZero = 0.0;
  for (double amplitude : pupil.amplitude) atZero += amplitude * amplitude;
  for (int r = 1 - kSide; r < kSide; ++r) {
    for (int c = 1 - kSide; c < kSide; ++c) {
      Complex sum = 0.0;
      for (int y = std::max(0, r); y < std::min(kSide, kSide + r); ++y) {
        for (int x = std::max(0, c); x < std::min(kSide, kSide + c); ++x) {
          sum += Field(pupil, y, x, settings.wavelengthNm) *
                 std::conj(Field(pupil, y - r, x - c, settings.wavelengthNm));
        }
      }
      EXPECT_NEAR(correlation.At(r, c, Autocorrelation::kModulus), std::abs(sum) / atZero, 1e-12)
          << "row shift=" << r << " column shift=" << c;
      EXPECT_NEAR(correlation.At(r, c, Autocorrelation::kReal), sum.real() / atZero, 1e-12)
          << "row shift=" << r << " column shift=" << c;
    }
  }
}

TEST(PupilPhase, SpikeFractionSplitsTheComplexField) {
  const PupilField round = test::AnnularPupil(64, 0.3);
  PupilField piston = LopsidedPupil(64);
  piston.opdNm.assign(piston.amplitude.size(), 123.0);
  EXPECT_NEAR(ComputeSpikeFraction(piston, 550.0), ComputeSpikeFraction(LopsidedPupil(64), 550.0),
              1e-12);
  // Half a wave of step across the middle: each ring's two halves cancel, so
  // none of the light is in the round part (the image has a dark centre).
  PupilField stepped = round;
  for (int row = 0; row < 64; ++row)
    for (int column = 0; column < 64; ++column) stepped.opdNm.push_back(column < 32 ? 0.0 : 275.0);
  EXPECT_LT(ComputeSpikeFraction(round, 550.0), 0.01);
  EXPECT_NEAR(ComputeSpikeFraction(stepped, 550.0), 1.0, 1e-9);
}

}  // namespace
}  // namespace voka::psf
