// SPDX-License-Identifier: GPL-3.0-or-later
// The star image of a pupil with a wavefront error, against the laws of
// aberrated optics.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "exact_coverage.h"
#include "image_reading.h"
#include "psf/psf_analysis.h"
#include "psf/star_test.h"
#include "psf/strehl_ratio.h"
#include "wavefront/opd_map.h"
#include "wavefront/wavefront_rms.h"

namespace voka::psf {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kWavelengthNm = 550.0;

PupilField WithZernike(PupilField pupil, int nollIndex, double coefficientNm) {
  pupil.opdNm = wavefront::OpdMapNm({{nollIndex, coefficientNm}}, pupil.side);
  return pupil;
}

StarImage ImageOf(const PupilField& pupil, int padFactor = 2) {
  PsfSettings settings;
  settings.padFactor = padFactor;
  settings.wavelengthNm = kWavelengthNm;
  return *ComputeStarImage(pupil, settings);
}

// W = a·ρ² over an annulus puts ρ² uniformly over [ε², 1], so the field at
// the centre is sinc(π a (1 − ε²)) and σ = a (1 − ε²)/√12: Strehl =
// sinc²(2√3·π·σ), σ in waves, whatever the obstruction.
TEST(WavefrontPsf, DefocusStrehlIsTheSincOfItsRms) {
  for (const double obstruction : {0.0, 0.33}) {
    const PupilField annulus = test::AnnularPupil(256, obstruction);
    for (const double coefficientNm : {20.0, 60.0, 105.0}) {
      const PupilField pupil = WithZernike(annulus, 4, coefficientNm);
      const double sigmaWaves =
          wavefront::WavefrontRmsNm(pupil.amplitude, pupil.opdNm) / kWavelengthNm;
      ASSERT_LE(sigmaWaves, 0.2);
      const double x = 2.0 * std::sqrt(3.0) * kPi * sigmaWaves;
      const double expected = std::pow(std::sin(x) / x, 2);
      EXPECT_NEAR(StrehlRatio(pupil, ImageOf(pupil)), expected, 1e-4)
          << "ε=" << obstruction << " c=" << coefficientNm << " nm";
    }
  }
}

// Maréchal: for small aberrations Strehl ≈ exp(−(2πσ)²).
TEST(WavefrontPsf, SmallAberrationsFollowMarechal) {
  const PupilField clear = test::AnnularPupil(192, 0.0);
  const double sigmaWaves = 0.05;
  for (const int nollIndex : {5, 6, 7, 8, 11}) {
    const PupilField pupil = WithZernike(clear, nollIndex, sigmaWaves * kWavelengthNm);
    const double expected = std::exp(-std::pow(2.0 * kPi * sigmaWaves, 2));
    EXPECT_NEAR(StrehlRatio(pupil, ImageOf(pupil, 4)), expected, 0.02 * expected)
        << "j=" << nollIndex;
  }
}

// Z2 = 2ρ cos φ: c nm RMS is a slope of 4c/D, which moves the image 4c/λ
// λ/D toward +x; Z3 likewise toward +y (up, so toward lower rows).
TEST(WavefrontPsf, PositiveTiltsMoveTheImageTowardPlusXAndPlusY) {
  const PupilField clear = test::AnnularPupil(64, 0.0);
  const double shiftLambdaOverD = 2.0;
  const double coefficientNm = shiftLambdaOverD * kWavelengthNm / 4.0;
  const int padFactor = 4;
  const int shiftPixels = static_cast<int>(shiftLambdaOverD * padFactor);
  struct Case {
    int nollIndex, rowShift, columnShift;
  };
  for (const Case c : {Case{2, 0, shiftPixels}, Case{3, -shiftPixels, 0}}) {
    const StarImage image = ImageOf(WithZernike(clear, c.nollIndex, coefficientNm), padFactor);
    const double atShift =
        image.At(image.centreIndex + c.rowShift, image.centreIndex + c.columnShift);
    EXPECT_NEAR(atShift, image.peakIntensity, 1e-9 * image.peakIntensity) << "j=" << c.nollIndex;
    EXPECT_LT(image.At(image.centreIndex - c.rowShift, image.centreIndex - c.columnShift),
              1e-3 * image.peakIntensity)
        << "j=" << c.nollIndex << ": the mirror place stays dark";
  }
}

// Mean intensity of the image over a disc of the radius (pixels) around an
// offset from the centre (columns right, rows up).
double MeanAround(const StarImage& image, double right, double up, double radius) {
  double sum = 0.0;
  int count = 0;
  for (int dy = -static_cast<int>(radius); dy <= radius; ++dy) {
    for (int dx = -static_cast<int>(radius); dx <= radius; ++dx) {
      if (std::hypot(dx, dy) > radius) continue;
      sum += image.At(image.centreIndex - static_cast<int>(up) - dy,
                      image.centreIndex + static_cast<int>(right) + dx);
      ++count;
    }
  }
  return sum / count;
}

// Far from focus the image is the pupil's shadow: upright inside focus's
// positive side (each ray leaves along the wavefront's slope 2aρ, which has
// the sign of ρ), turned by 180° on the negative side.
TEST(WavefrontPsf, DefocusShowsTheShadowUprightOnThePositiveSide) {
  constexpr int kSide = 128;
  PupilField pupil = test::AnnularPupil(kSide, 0.0);
  // An opaque square at the upper right, y up: rows above the middle. (A
  // round one would light the middle of its shadow with Poisson's spot.)
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      if (std::abs(column + 0.5 - 0.75 * kSide) < 0.12 * kSide &&
          std::abs(row + 0.5 - 0.25 * kSide) < 0.12 * kSide)
        pupil.amplitude[row * kSide + column] = 0.0;
    }
  }
  // 10 waves PV: the blur's radius is 4·10 λ/D, the spot sits at half of it.
  const double peakToValleyWaves = 10.0;
  const double coefficientNm = peakToValleyWaves * kWavelengthNm / (2.0 * std::sqrt(3.0));
  const int padFactor = 2;
  // The spot's centre is at half the pupil's radius, so its shadow is at half
  // the blur's radius along each axis.
  const double spotPixels = 0.5 * (4.0 * peakToValleyWaves) * padFactor;
  for (const double sign : {1.0, -1.0}) {
    const StarImage image = ImageOf(WithZernike(pupil, 4, sign * coefficientNm), padFactor);
    const double upperRight = MeanAround(image, spotPixels, spotPixels, 12.0);
    const double lowerLeft = MeanAround(image, -spotPixels, -spotPixels, 12.0);
    if (sign > 0)
      EXPECT_LT(upperRight, 0.3 * lowerLeft) << "positive defocus: the spot shows upper right";
    else
      EXPECT_LT(lowerLeft, 0.3 * upperRight) << "negative defocus: the spot shows lower left";
  }
}

// Trefoil has cos 3φ symmetry, so its image does too, and (being odd) not
// the symmetry through the centre that every real pupil's image has.
TEST(WavefrontPsf, TrefoilGivesAThreeFoldImage) {
  const PupilField pupil = WithZernike(test::AnnularPupil(128, 0.0), 10, 0.15 * kWavelengthNm);
  const int padFactor = 8;
  const StarImage image = ImageOf(pupil, padFactor);
  double worstThreeFold = 0.0;
  double largestTwoFold = 0.0;
  for (double radius = 0.5; radius <= 3.0; radius += 0.25) {
    for (int step = 0; step < 36; ++step) {
      const double angle = step * kPi / 18.0;
      const auto at = [&](double turn) {
        const double r = radius * padFactor;
        return test::BilinearAt(image, r * std::cos(angle + turn), r * std::sin(angle + turn));
      };
      worstThreeFold = std::max(worstThreeFold, std::abs(at(2.0 * kPi / 3.0) - at(0.0)));
      largestTwoFold = std::max(largestTwoFold, std::abs(at(kPi) - at(0.0)));
    }
  }
  EXPECT_LT(worstThreeFold, 0.01 * image.peakIntensity);
  EXPECT_GT(largestTwoFold, 0.05 * image.peakIntensity);
}

// For a real pupil, E₋(θ) = conj E₊(−θ): inside and outside focus show the
// same pattern turned by 180°, and, for a lopsided pupil, not unturned.
TEST(WavefrontPsf, StarTestSidesAreEachOthersHalfTurn) {
  PupilField pupil = test::AnnularPupil(64, 0.3, 6.0, -4.0);
  PsfSettings settings;
  settings.padFactor = 2;
  const std::optional<StarTestImages> test = ComputeStarTest(pupil, settings, 3.0);
  ASSERT_TRUE(test);
  const StarImage& inside = test->images[0];
  const StarImage& outside = test->images[2];
  const int last = inside.paddedSide - 1;
  double worstTurned = 0.0;
  double largestUnturned = 0.0;
  for (int row = 1; row <= last; ++row) {
    for (int column = 1; column <= last; ++column) {
      const double turned =
          outside.At(2 * outside.centreIndex - row, 2 * outside.centreIndex - column);
      worstTurned = std::max(worstTurned, std::abs(inside.At(row, column) - turned));
      largestUnturned =
          std::max(largestUnturned, std::abs(inside.At(row, column) - outside.At(row, column)));
    }
  }
  EXPECT_LT(worstTurned, 1e-9 * inside.peakIntensity);
  EXPECT_GT(largestUnturned, 0.05 * inside.peakIntensity);
  EXPECT_NEAR(test->images[1].peakIntensity, ComputeStarImage(pupil, settings)->peakIntensity,
              1e-12);
}

}  // namespace
}  // namespace voka::psf
