// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "exact_coverage.h"
#include "psf/psf_analysis.h"
#include "psf/zoomed_image.h"

namespace voka::psf {
namespace {

// The intensity of an annular aperture of obstruction ε at x = π r (r in
// λ/D), in units of the clear aperture's peak.
double AnnularAiry(double radiusLambdaOverD, double obstructionRatio) {
  const double x = std::numbers::pi * radiusLambdaOverD;
  const auto jinc = [](double t) { return t == 0.0 ? 1.0 : 2.0 * std::cyl_bessel_j(1.0, t) / t; };
  const double e2 = obstructionRatio * obstructionRatio;
  const double field = jinc(x) - e2 * jinc(obstructionRatio * x);
  return field * field;
}

// Largest |image - analytic| within the radius, relative to the clear peak.
double WorstDeparture(const StarImage& image, double obstructionRatio, double radiusLambdaOverD,
                      std::string& where) {
  const int reach = static_cast<int>(radiusLambdaOverD * image.padFactor);
  double worst = 0.0;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const double r = std::hypot(dx, dy) / image.padFactor;
      if (r > radiusLambdaOverD) continue;
      const double error = std::abs(image.At(image.centreIndex + dy, image.centreIndex + dx) -
                                    AnnularAiry(r, obstructionRatio));
      if (error > worst) {
        worst = error;
        where = "dx=" + std::to_string(dx) + " dy=" + std::to_string(dy);
      }
    }
  }
  return worst;
}

class ClearAperture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    PsfSettings settings;
    settings.padFactor = 4;
    pupil_ = new PupilAmplitude(test::AnnularPupil(512, 0.0));
    analysis_ = new PsfAnalysis(*AnalysePupil(*pupil_, settings));
  }
  static void TearDownTestSuite() {
    delete analysis_;
    delete pupil_;
  }
  static PupilAmplitude* pupil_;
  static PsfAnalysis* analysis_;
};
PupilAmplitude* ClearAperture::pupil_ = nullptr;
PsfAnalysis* ClearAperture::analysis_ = nullptr;

TEST_F(ClearAperture, ImageIsTheAiryPatternAndConservesEnergy) {
  const StarImage& image = analysis_->image;
  std::string where;
  const double worst = WorstDeparture(image, 0.0, 10.0, where);
  EXPECT_LT(worst, 5e-4) << "worst at " << where;
  EXPECT_NEAR(analysis_->numbers.peakRatio, 1.0, 1e-9);

  // Parseval: the unnormalised transform multiplies the energy by the
  // number of grid points.
  double pupilEnergy = 0.0;
  for (double a : pupil_->amplitude) pupilEnergy += a * a;
  const double expected = pupilEnergy * image.paddedSide * double(image.paddedSide) /
                          ClearAperturePeak(image.pupilSide);
  EXPECT_NEAR(image.totalIntensity / expected, 1.0, 1e-12);
}

TEST_F(ClearAperture, FirstDarkRingIsAt1_22LambdaOverD) {
  // A fine zoom across the expected ring, along +x.
  ZoomWindow window;
  window.centreXLambdaOverD = 1.22;
  window.halfWidthLambdaOverD = 0.1;
  window.stepLambdaOverD = 0.002;
  const ZoomedImage zoom = ComputeZoomedImage(*pupil_, window, kDefaultWavelengthNm);
  ASSERT_GT(zoom.side, 0);
  const int middleRow = zoom.side / 2;
  int darkest = 0;
  for (int c = 0; c < zoom.side; ++c) {
    if (zoom.intensity[middleRow * zoom.side + c] < zoom.intensity[middleRow * zoom.side + darkest])
      darkest = c;
  }
  const double ring = 1.22 + (darkest - zoom.side / 2) * window.stepLambdaOverD;
  EXPECT_NEAR(ring, 1.2197, 0.01 * 1.22);
  EXPECT_LT(zoom.intensity[middleRow * zoom.side + darkest], 1e-5);
}

// The encircled energy 1 - J0²(πr) - J1²(πr) and the MTF
// (2/π)(acos ν - ν√(1 - ν²)) of a clear aperture (Born & Wolf, 8.5 and 9.5).
void ExpectClearApertureTheory(const PsfAnalysis& analysis) {
  const PsfNumbers& numbers = analysis.numbers;
  ASSERT_GE(numbers.encircledEnergy.back().radiusLambdaOverD, 20.0);
  for (double r = 0.5; r <= 20.0; r += 0.5) {
    const double x = std::numbers::pi * r;
    const double j0 = std::cyl_bessel_j(0.0, x);
    const double j1 = std::cyl_bessel_j(1.0, x);
    EXPECT_NEAR(EncircledEnergyAt(numbers.encircledEnergy, r), 1.0 - j0 * j0 - j1 * j1, 2e-3)
        << "r=" << r;
  }
  EXPECT_NEAR(numbers.encircledEnergyAt1_22, 0.838, 2e-3);
  EXPECT_NEAR(numbers.encircledEnergyAt2_23, 0.910, 2e-3);
  EXPECT_LT(numbers.spikeFraction, 1e-3);

  const MtfCurves& mtf = analysis.mtf;
  for (std::size_t i = 0; i < mtf.frequencyOfCutoff.size(); ++i) {
    const double nu = mtf.frequencyOfCutoff[i];
    const double expected = 2.0 / std::numbers::pi * (std::acos(nu) - nu * std::sqrt(1 - nu * nu));
    EXPECT_NEAR(mtf.radialMean[i], expected, 2e-3) << "nu=" << nu;
    EXPECT_NEAR(mtf.alongVanes[i], expected, 2e-3) << "nu=" << nu;
    EXPECT_NEAR(mtf.betweenVanes[i], expected, 2e-3) << "nu=" << nu;
  }
}

TEST_F(ClearAperture, EncircledEnergyAndMtfFollowTheory) {
  ExpectClearApertureTheory(*analysis_);
}

TEST(ClearApertureOddPad, EncircledEnergyAndMtfFollowTheory) {
  // An odd pad factor samples the autocorrelation at every image pixel, not
  // every (pad/2)-th.
  PsfSettings settings;
  settings.padFactor = 3;
  ExpectClearApertureTheory(*AnalysePupil(test::AnnularPupil(512, 0.0), settings));
}

TEST(ObstructedAperture, ImageAndPeakRatioFollowTheAnnularPattern) {
  constexpr double kObstruction = 0.33;
  PsfSettings settings;
  const PupilAmplitude pupil = test::AnnularPupil(256, kObstruction);
  const std::optional<PsfAnalysis> analysis = AnalysePupil(pupil, settings);
  ASSERT_TRUE(analysis);
  std::string where;
  EXPECT_LT(WorstDeparture(analysis->image, kObstruction, 10.0, where), 5e-4) << where;
  const double e2 = kObstruction * kObstruction;
  EXPECT_NEAR(analysis->numbers.peakRatio, (1 - e2) * (1 - e2), 1e-3);
  EXPECT_LT(analysis->numbers.spikeFraction, 1e-3);
}

}  // namespace
}  // namespace voka::psf
