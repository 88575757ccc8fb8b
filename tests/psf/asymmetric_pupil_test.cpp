// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "exact_coverage.h"
#include "psf/psf_analysis.h"
#include "psf/zoomed_image.h"
#include "threads/thread_budget.h"

namespace voka::psf {
namespace {

// The image at a frequency (rows down, columns right, in grid steps of the
// padded side) as a direct sum over the pupil, in clear-peak units.
double DirectSum(const PupilAmplitude& pupil, int paddedSide, int rowFrequency,
                 int columnFrequency) {
  std::complex<double> field = 0.0;
  for (int y = 0; y < pupil.side; ++y) {
    for (int x = 0; x < pupil.side; ++x) {
      const double phase = -2.0 * std::numbers::pi *
                           (double(rowFrequency) * y + double(columnFrequency) * x) / paddedSide;
      field += pupil.amplitude[std::size_t(y) * pupil.side + x] * std::polar(1.0, phase);
    }
  }
  return std::norm(field) / ClearAperturePeak(pupil.side);
}

PupilAmplitude LopsidedPupil(int side = 64) {
  // An obstruction pushed off the axis and a curved vane across the opening.
  PupilAmplitude pupil = test::AnnularPupil(side, 0.3, 5.5, -3.0);
  test::AddCurvedVane(pupil, 10.0, 20.0, 30.0, 1.5);
  return pupil;
}

TEST(AsymmetricPupil, FftImageMatchesTheDirectSum) {
  // Only half the image is stored; the corners, the middle and the first
  // row and column (on an even grid the frequency -side/2, its own mirror)
  // show whether the other half is read back from the right place. An odd
  // grid has no such column.
  for (const int pupilSide : {64, 63}) {
    const PupilAmplitude pupil = LopsidedPupil(pupilSide);
    PsfSettings settings;
    settings.padFactor = 3;
    const StarImage image = *ComputeStarImage(pupil, settings);
    const int first = -image.centreIndex;
    const int last = image.paddedSide - 1 - image.centreIndex;
    const int points[][2] = {{0, 0},       {3, 7},        {-11, 2},       {0, 25},    {40, -13},
                             {-90, 91},    {17, -60},     {first, first}, {first, 5}, {-7, first},
                             {last, last}, {last, first}, {first, last}};
    for (const auto& point : points) {
      const double expected = DirectSum(pupil, image.paddedSide, point[0], point[1]);
      const double actual = image.At(image.centreIndex + point[0], image.centreIndex + point[1]);
      EXPECT_NEAR(actual, expected, 1e-9 * image.peakIntensity)
          << "side=" << image.paddedSide << " row=" << point[0] << " column=" << point[1];
    }
    double energy = 0.0;
    for (const double amplitude : pupil.amplitude) energy += amplitude * amplitude;
    const double parseval =
        energy * image.paddedSide * double(image.paddedSide) / ClearAperturePeak(pupil.side);
    EXPECT_NEAR(image.totalIntensity / parseval, 1.0, 1e-12) << "side=" << image.paddedSide;
  }
}

TEST(AsymmetricPupil, TinyGridsMatchTheDirectSumEverywhere) {
  // Grids narrower than one block of transformed columns, odd and even.
  for (int pupilSide = 1; pupilSide <= 7; ++pupilSide) {
    for (const int padFactor : {2, 3}) {
      PupilAmplitude pupil;
      pupil.side = pupilSide;
      for (int i = 0; i < pupilSide * pupilSide; ++i) pupil.amplitude.push_back((i * 7 % 5) / 4.0);
      pupil.amplitude[0] = 1.0;
      PsfSettings settings;
      settings.padFactor = padFactor;
      const StarImage image = *ComputeStarImage(pupil, settings);
      for (int row = 0; row < image.paddedSide; ++row) {
        for (int column = 0; column < image.paddedSide; ++column) {
          const double expected = DirectSum(pupil, image.paddedSide, row - image.centreIndex,
                                            column - image.centreIndex);
          ASSERT_NEAR(image.At(row, column), expected, 1e-12 * image.peakIntensity)
              << "side=" << image.paddedSide << " row=" << row << " column=" << column;
        }
      }
    }
  }
}

TEST(AsymmetricPupil, ImageAndTotalAreTheSameBitsOnAnyThreadBudget) {
  const PupilAmplitude pupil = LopsidedPupil(72);
  PsfSettings settings;
  settings.padFactor = 7;  // many blocks, so workers interleave
  const int before = threads::ThreadBudget();
  threads::SetThreadBudget(1);
  const StarImage alone = *ComputeStarImage(pupil, settings);
  for (const int budget : {2, 3}) {
    threads::SetThreadBudget(budget);
    const StarImage shared = *ComputeStarImage(pupil, settings);
    EXPECT_TRUE(shared.intensity == alone.intensity) << "budget=" << budget;
    EXPECT_EQ(shared.totalIntensity, alone.totalIntensity) << "budget=" << budget;
    EXPECT_EQ(shared.peakIntensity, alone.peakIntensity) << "budget=" << budget;
  }
  threads::SetThreadBudget(before);
}

TEST(AsymmetricPupil, ZoomMatchesTheFftWhereTheyShareSamples) {
  const PupilAmplitude pupil = LopsidedPupil();
  PsfSettings settings;
  const StarImage image = *ComputeStarImage(pupil, settings);
  ZoomWindow window;
  window.centreXLambdaOverD = 1.5;
  window.centreYLambdaOverD = -2.25;  // off the axes, so a flipped axis shows
  window.halfWidthLambdaOverD = 6.0;
  window.stepLambdaOverD = 1.0 / settings.padFactor;
  const ZoomedImage zoom = ComputeZoomedImage(pupil, window, kDefaultWavelengthNm);
  ASSERT_EQ(zoom.side, 2 * 24 + 1);
  double worst = 0.0;
  for (int r = 0; r < zoom.side; ++r) {
    for (int c = 0; c < zoom.side; ++c) {
      const double y = window.centreYLambdaOverD + (zoom.side / 2 - r) * window.stepLambdaOverD;
      const double x = window.centreXLambdaOverD + (c - zoom.side / 2) * window.stepLambdaOverD;
      const int row = image.centreIndex - static_cast<int>(std::lround(y * settings.padFactor));
      const int column = image.centreIndex + static_cast<int>(std::lround(x * settings.padFactor));
      worst = std::max(
          worst, std::abs(zoom.intensity[std::size_t(r) * zoom.side + c] - image.At(row, column)));
    }
  }
  EXPECT_LT(worst / image.peakIntensity, 1e-10);
}

TEST(VanedPupil, FourVanesGiveFourFoldSymmetryAndTheirAreaInSpikes) {
  constexpr int kSide = 128;
  constexpr double kObstruction = 0.3;
  constexpr double kVaneWidth = 2.0;
  const PupilAmplitude pupil = test::VanedPupil(kSide, kObstruction, kVaneWidth, {0, 90, 180, 270});
  PsfSettings settings;
  const std::optional<PsfAnalysis> analysis = AnalysePupil(pupil, settings);
  ASSERT_TRUE(analysis);
  const StarImage& image = analysis->image;
  const int c = image.centreIndex;
  const int reach = c - 1;
  double worst = 0.0;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      worst = std::max(worst, std::abs(image.At(c + dy, c + dx) - image.At(c + dx, c - dy)));
    }
  }
  EXPECT_LT(worst / image.peakIntensity, 1e-12);

  // The vanes cover 4·w·(R - r) of the annulus π(R² - r²).
  const double radius = kSide / 2.0;
  const double inner = kObstruction * radius;
  const double vaneArea = 4 * kVaneWidth * (radius - inner);
  const double rule = vaneArea / (std::numbers::pi * (radius * radius - inner * inner) - vaneArea);
  EXPECT_NEAR(analysis->numbers.spikeFraction, rule, 0.15 * rule);
}

}  // namespace
}  // namespace voka::psf
