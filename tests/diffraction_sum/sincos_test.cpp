// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/sincos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "simd/scalar_lanes.h"
#include "simd/vector2_lanes.h"

namespace voka {
namespace {

void SinCos(double angle, double& sine, double& cosine) {
  detail::SinCosLanes<simd::ScalarLanes>(angle, sine, cosine);
}

constexpr double kLimit = 4e-16;  // absolute, against the library's sin and cos

struct Worst {
  double error = 0.0;
  double angle = 0.0;
};

void ExpectCloseToLibrary(const std::vector<double>& angles) {
  Worst sine;
  Worst cosine;
  for (const double angle : angles) {
    double s;
    double c;
    SinCos(angle, s, c);
    const double sineError = std::abs(s - std::sin(angle));
    const double cosineError = std::abs(c - std::cos(angle));
    if (sineError > sine.error) sine = {sineError, angle};
    if (cosineError > cosine.error) cosine = {cosineError, angle};
  }
  EXPECT_LT(sine.error, kLimit) << "sine error=" << sine.error << " at angle=" << sine.angle;
  EXPECT_LT(cosine.error, kLimit) << "cosine error=" << cosine.error
                                  << " at angle=" << cosine.angle;
}

TEST(SinCos, MatchesTheLibraryDenselyOverOneTurn) {
  constexpr int kCount = 1 << 20;
  std::vector<double> angles;
  std::mt19937_64 generator(99);
  std::uniform_real_distribution<double> jitter(0.0, 1.0);
  for (int n = 0; n < kCount; ++n) {
    angles.push_back((n + jitter(generator)) * (2.0 * std::numbers::pi / kCount));
  }
  ExpectCloseToLibrary(angles);
}

// Where the quadrant changes and where a result passes through zero.
TEST(SinCos, MatchesTheLibraryAtEndpointsAndQuadrantBoundaries) {
  std::vector<double> angles = {0.0,
                                1e-300,
                                1e-20,
                                1e-8,
                                -1e-15,
                                2.0 * 3.14159265,
                                std::nextafter(2.0 * std::numbers::pi, 0.0),
                                2.0 * std::numbers::pi,
                                2.0 * std::numbers::pi + 1e-12};
  for (int half = 0; half <= 8; ++half) {  // multiples of pi/4
    double angle = half * (std::numbers::pi / 4.0);
    for (int ulp = 0; ulp < 6; ++ulp) angle = std::nextafter(angle, 0.0);
    for (int ulp = 0; ulp < 12; ++ulp) {
      angles.push_back(angle);
      angle = std::nextafter(angle, 10.0);
    }
  }
  ExpectCloseToLibrary(angles);
}

// The reduction to a quarter turn also holds for negative and larger angles.
TEST(SinCos, MatchesTheLibraryBeyondOneTurn) {
  std::vector<double> angles;
  std::mt19937_64 generator(3);
  std::uniform_real_distribution<double> wide(-1e4, 1e4);
  for (int n = 0; n < 100000; ++n) angles.push_back(wide(generator));
  ExpectCloseToLibrary(angles);
}

// Near zero the sine must keep its relative accuracy, not just its absolute.
TEST(SinCos, SmallAnglesKeepRelativeAccuracy) {
  for (double angle = 1e-300; angle < 0.5; angle *= 1.7) {
    double s;
    double c;
    SinCos(angle, s, c);
    EXPECT_NEAR(s, std::sin(angle), 2.5e-16 * std::sin(angle)) << "angle=" << angle;
    EXPECT_NEAR(c, std::cos(angle), 2.5e-16) << "angle=" << angle;
  }
}

#if defined(VOKA_HAVE_VECTOR2_LANES) && defined(__SSE2__)
TEST(SinCos, TwoLanesGiveTheScalarBits) {
  std::mt19937_64 generator(5);
  std::uniform_real_distribution<double> turn(0.0, 2.0 * std::numbers::pi);
  for (int n = 0; n < 1000; ++n) {
    const double angles[2] = {turn(generator), turn(generator)};
    simd::Vector2Lanes::V sines;
    simd::Vector2Lanes::V cosines;
    detail::SinCosLanes<simd::Vector2Lanes>(simd::Vector2Lanes::Load(angles), sines, cosines);
    for (int lane = 0; lane < 2; ++lane) {
      double s;
      double c;
      SinCos(angles[lane], s, c);
      const double laneSine = sines[lane];
      const double laneCosine = cosines[lane];
      ASSERT_EQ(std::memcmp(&laneSine, &s, sizeof s), 0) << "angle " << angles[lane];
      ASSERT_EQ(std::memcmp(&laneCosine, &c, sizeof c), 0) << "angle " << angles[lane];
    }
  }
}
#endif

}  // namespace
}  // namespace voka
