#include "analysis/sincos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/diffraction_sum_paths.h"

namespace voka {
namespace {

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

TEST(SinCos, EveryPathGivesTheScalarBits) {
  std::vector<double> angles(1001);  // not a multiple of any lane width
  std::mt19937_64 generator(5);
  std::uniform_real_distribution<double> turn(0.0, 2.0 * std::numbers::pi);
  for (double& angle : angles) angle = turn(generator);
  std::vector<double> sines(angles.size());
  std::vector<double> cosines(angles.size());
  for (const SumPath path : {SumPath::kScalar, SumPath::kSse2, SumPath::kAvx2}) {
    if (!SumPathAvailable(path)) continue;
    SinCosOn(path, angles, sines, cosines);
    for (std::size_t n = 0; n < angles.size(); ++n) {
      double s;
      double c;
      SinCos(angles[n], s, c);
      ASSERT_EQ(std::memcmp(&sines[n], &s, sizeof s), 0)
          << "path " << static_cast<int>(path) << " n=" << n;
      ASSERT_EQ(std::memcmp(&cosines[n], &c, sizeof c), 0)
          << "path " << static_cast<int>(path) << " n=" << n;
    }
  }
}

}  // namespace
}  // namespace voka
