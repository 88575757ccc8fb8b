// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/zernike.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "wavefront/defocus_sampling.h"
#include "wavefront/opd_map.h"
#include "wavefront/wavefront_rms.h"
#include "wavefront/wavefront_terms.h"

namespace voka::wavefront {
namespace {

constexpr double kPi = std::numbers::pi;

// Noll's (1976) table, written out term by term: j, then the polynomial.
double NollTable(int j, double r, double t) {
  const double r2 = r * r;
  switch (j) {
    case 1:
      return 1.0;
    case 2:
      return 2.0 * r * std::cos(t);
    case 3:
      return 2.0 * r * std::sin(t);
    case 4:
      return std::sqrt(3.0) * (2.0 * r2 - 1.0);
    case 5:
      return std::sqrt(6.0) * r2 * std::sin(2.0 * t);
    case 6:
      return std::sqrt(6.0) * r2 * std::cos(2.0 * t);
    case 7:
      return std::sqrt(8.0) * (3.0 * r2 * r - 2.0 * r) * std::sin(t);
    case 8:
      return std::sqrt(8.0) * (3.0 * r2 * r - 2.0 * r) * std::cos(t);
    case 9:
      return std::sqrt(8.0) * r2 * r * std::sin(3.0 * t);
    case 10:
      return std::sqrt(8.0) * r2 * r * std::cos(3.0 * t);
    case 11:
      return std::sqrt(5.0) * (6.0 * r2 * r2 - 6.0 * r2 + 1.0);
    case 12:
      return std::sqrt(10.0) * (4.0 * r2 * r2 - 3.0 * r2) * std::cos(2.0 * t);
    case 13:
      return std::sqrt(10.0) * (4.0 * r2 * r2 - 3.0 * r2) * std::sin(2.0 * t);
    default:
      return NAN;
  }
}

TEST(Zernike, FollowsNollsTableInOrderSignAndNormalisation) {
  for (int j = 1; j <= 13; ++j) {
    for (double r : {0.0, 0.3, 0.77, 1.0}) {
      for (double t : {0.0, 0.4, 2.1, -1.3}) {
        EXPECT_NEAR(ZernikeValue(j, r, t), NollTable(j, r, t), 1e-12)
            << "j=" << j << " r=" << r << " t=" << t;
      }
    }
  }
}

// The Gram matrix over the unit disk, by the midpoint rule in radius and
// angle (the area element is ρ dρ dφ, the disk's area π).
TEST(Zernike, FirstFifteenTermsAreOrthonormalOverTheDisk) {
  constexpr int kTerms = 15;
  constexpr int kRadii = 400;
  constexpr int kAngles = 256;
  double gram[kTerms][kTerms] = {};
  double values[kTerms];
  for (int a = 0; a < kRadii; ++a) {
    const double r = (a + 0.5) / kRadii;
    for (int b = 0; b < kAngles; ++b) {
      const double t = 2.0 * kPi * (b + 0.5) / kAngles;
      const double weight = r / kRadii * (2.0 * kPi / kAngles) / kPi;
      for (int j = 0; j < kTerms; ++j) values[j] = ZernikeValue(j + 1, r, t);
      for (int i = 0; i < kTerms; ++i) {
        for (int j = 0; j < kTerms; ++j) gram[i][j] += weight * values[i] * values[j];
      }
    }
  }
  for (int i = 0; i < kTerms; ++i) {
    for (int j = 0; j < kTerms; ++j) {
      EXPECT_NEAR(gram[i][j], i == j ? 1.0 : 0.0, 1e-3) << "j=" << i + 1 << ", " << j + 1;
    }
  }
}

// A focal shift δ in a beam of focal ratio N = F/D puts the rim δ/(8N²)
// ahead of the centre (the sagitta difference of the two reference spheres).
TEST(Zernike, DefocusShiftBecomesThePeakToValleyOfItsSagitta) {
  WavefrontTerms terms;
  terms.defocusMm = 0.4;
  const std::map<int, double> zernike = CombinedZernikeRmsNm(terms, 1000.0, 200.0);
  ASSERT_EQ(zernike.size(), 1u);
  const double peakToValleyNm = 0.4 / (8.0 * 5.0 * 5.0) * 1e6;
  const double rim = ZernikeValue(4, 1.0, 0.0) * zernike.at(4);
  const double centre = ZernikeValue(4, 0.0, 0.0) * zernike.at(4);
  EXPECT_NEAR(rim - centre, peakToValleyNm, 1e-9 * peakToValleyNm);
  terms.zernikeRmsNm[4] = 10.0;
  EXPECT_NEAR(CombinedZernikeRmsNm(terms, 1000.0, 200.0).at(4), zernike.at(4) + 10.0, 1e-9);
}

// Defocus c·√3(2ρ²−1) over an annulus of obstruction ε: ρ² is uniform in
// area over [ε², 1], so the RMS about the mean is 2√3·c·(1−ε²)/√12 =
// c·(1−ε²), not c.
TEST(Zernike, RmsIsTakenOverTheOpenPupilNotTheDisk) {
  constexpr int kSide = 600;
  constexpr double kCoefficientNm = 50.0;
  const std::vector<double> opd = OpdMapNm({{4, kCoefficientNm}, {1, 300.0}}, kSide);
  ASSERT_EQ(opd.size(), static_cast<std::size_t>(kSide * kSide));
  for (double obstruction : {0.0, 0.33}) {
    std::vector<double> amplitude(opd.size(), 0.0);
    for (int row = 0; row < kSide; ++row) {
      for (int column = 0; column < kSide; ++column) {
        const double radius =
            std::hypot(column + 0.5 - kSide / 2.0, kSide / 2.0 - row - 0.5) / (kSide / 2.0);
        if (radius <= 1.0 && radius >= obstruction) amplitude[row * kSide + column] = 1.0;
      }
    }
    const double expected = kCoefficientNm * (1.0 - obstruction * obstruction);
    EXPECT_NEAR(WavefrontRmsNm(amplitude, opd), expected, 2e-3 * expected) << "ε=" << obstruction;
  }
}

TEST(Zernike, RefusesIndicesOutsideTheOfferedRange) {
  EXPECT_TRUE(OpdMapNm({{0, 1.0}}, 8).empty());
  EXPECT_TRUE(OpdMapNm({{kMaximumNollIndex + 1, 1.0}}, 8).empty());
  EXPECT_TRUE(OpdMapNm({{2, NAN}}, 8).empty());
  EXPECT_EQ(OpdMapNm({{kMaximumNollIndex, 1.0}}, 8).size(), 64u);
}

// Four waves of defocus (PV) blur over about ±16 λ/D: a 32 λ/D field and 32
// pupil samples hold it, one less of either does not.
TEST(Zernike, DefocusSamplingGuardSaysWhichSideFallsShort) {
  const double fourWavesRmsNm = 4.0 * 550.0 / (2.0 * std::sqrt(3.0));
  EXPECT_TRUE(CheckDefocusSampling(fourWavesRmsNm, 550.0, 32.0, 32).Fits());
  const DefocusSampling coarse = CheckDefocusSampling(-fourWavesRmsNm, 550.0, 32.0, 31);
  EXPECT_NEAR(coarse.peakToValleyWaves, 4.0, 1e-12);
  EXPECT_TRUE(coarse.pupilTooCoarse);
  EXPECT_FALSE(coarse.fieldTooSmall);
  EXPECT_TRUE(CheckDefocusSampling(fourWavesRmsNm, 550.0, 31.9, 512).fieldTooSmall);
}

}  // namespace
}  // namespace voka::wavefront
