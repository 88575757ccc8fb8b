// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer against areas known in closed form, against the plain 16x16
// sampling of the design, and against the symmetries and conventions a user
// relies on when he reads a pupil image.

#include "pupils/open_fraction_render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>

#include "pupils/design_presets.h"
#include "pupils/pupil_bitmap.h"
#include "reference/brute_force_pupil.h"

namespace voka::pupils {
namespace {

using std::numbers::pi;

double OpenAreaPixels(const std::vector<double>& fractions) {
  return std::accumulate(fractions.begin(), fractions.end(), 0.0);
}

// The area of the right half of a disc of radius r between y = -h and y = h.
double DiscBand(double r, double h) {
  return h * std::sqrt(r * r - h * h) + r * r * std::asin(h / r);
}

PupilDesign Design(double obstructionMm, std::vector<Vane> vanes) {
  PupilDesign design;
  design.apertureDiameterMm = 200;
  if (obstructionMm > 0) design.obstruction = Obstruction{obstructionMm, 0, 0};
  design.vanes = std::move(vanes);
  return design;
}

Vane Straight(double angleDeg, double widthMm, double offsetMm = 0) {
  return Vane{VaneShape::kStraight, angleDeg, widthMm, offsetMm, 100};
}

TEST(OpenFractionRender, OpenAreaMatchesClosedForms) {
  constexpr double kTolerance = 2e-4;  // relative
  for (int side : {64, 203, 512}) {
    const double scale = side / 200.0;  // pixels per mm
    const double rim = side / 2.0, obstruction = 30 * scale, half = 3 * scale;
    const double clear = pi * rim * rim;
    const double ring = clear - pi * obstruction * obstruction;
    const double oneVane = DiscBand(rim, half) - DiscBand(obstruction, half);
    struct Case {
      PupilDesign design;
      double exact;
    };
    const Case cases[] = {
        {Design(0, {}), clear},
        {Design(60, {}), ring},
        {Design(60, {Straight(0, 6)}), ring - oneVane},
        {Design(60, {Straight(0, 6), Straight(90, 6), Straight(180, 6), Straight(270, 6)}),
         ring - 4 * oneVane},
        {Design(60, {Straight(37, 6), Straight(217, 6)}), ring - 2 * oneVane},
    };
    for (const Case& c : cases) {
      const double area = OpenAreaPixels(RenderOpenFraction(c.design, side));
      EXPECT_NEAR(area / c.exact, 1.0, kTolerance)
          << "side=" << side << " vanes=" << c.design.vanes.size() << " area=" << area
          << " exact=" << c.exact;
    }
  }
}

// The benchmark's pupil: tangent vanes and a curved one, where edges meet.
PupilDesign TangentAndCurved() {
  PupilDesign design = *PresetDesign("4-vanes-tangent");
  design.vanes.push_back(Vane{VaneShape::kCurved, 45, 3, 0, -70});
  return design;
}

// Turned off the pixel grid: sampling an edge that runs along a row of
// samples errs the same way in every pixel and would bias the reference.
PupilDesign Turned(PupilDesign design, double degrees) {
  for (Vane& vane : design.vanes) vane.angleDeg += degrees;
  return design;
}

TEST(OpenFractionRender, AgreesWithPlainSamplingEverywhere) {
  // 16x16 samples misjudge a pixel crossed by one edge by up to 1/16.
  constexpr double kSamplingError = 1.0 / 16 + 1e-9;
  constexpr double kTurnDeg = 7.3;
  const PupilDesign designs[] = {Turned(*PresetDesign("3-curved-vanes"), kTurnDeg),
                                 Turned(*PresetDesign("2-double-vanes"), kTurnDeg),
                                 Turned(*PresetDesign("1-curved-vane"), kTurnDeg),
                                 Turned(TangentAndCurved(), kTurnDeg)};
  for (const PupilDesign& design : designs) {
    const int side = 97;
    const std::vector<double> fast = RenderOpenFraction(design, side);
    const std::vector<double> slow = test::BruteForceOpenFraction(design, side);
    ASSERT_EQ(fast.size(), slow.size());
    double worst = 0, meanDifference = 0;
    for (std::size_t i = 0; i < fast.size(); ++i) {
      worst = std::max(worst, std::abs(fast[i] - slow[i]));
      meanDifference += (fast[i] - slow[i]) / fast.size();
    }
    EXPECT_LE(worst, kSamplingError) << design.vanes.size() << " vanes";
    EXPECT_NEAR(meanDifference, 0.0, 2e-4) << design.vanes.size() << " vanes: no bias";
  }
  // Over a whole large image the sampling errors cancel: the open areas agree
  // to 0.02%.
  const PupilDesign& design = designs[3];
  EXPECT_NEAR(OpenAreaPixels(RenderOpenFraction(design, 256)) /
                  OpenAreaPixels(test::BruteForceOpenFraction(design, 256)),
              1.0, 2e-4);
}

std::vector<int> Greys(const PupilDesign& design, int side) {
  std::vector<int> greys;
  for (double fraction : RenderOpenFraction(design, side)) greys.push_back(GreyLevel(fraction));
  return greys;
}

TEST(OpenFractionRender, CrossAndTripodKeepTheirSymmetry) {
  for (int side : {128, 129}) {
    const std::vector<int> cross = Greys(*PresetDesign("4-vanes-tangent"), side);
    const std::vector<int> tripod = Greys(*PresetDesign("3-vanes"), side);
    for (int j = 0; j < side; ++j) {
      for (int i = 0; i < side; ++i) {
        const int at = j * side + i;
        // Turned a quarter: pixel (i, j) goes to (side-1-j, i).
        ASSERT_NEAR(cross[at], cross[i * side + (side - 1 - j)], 1) << i << "," << j;
        // The tripod's upright vane is its mirror axis.
        ASSERT_NEAR(tripod[at], tripod[j * side + (side - 1 - i)], 1) << i << "," << j;
      }
    }
  }
  // Turning every vane by 120 degrees gives the same tripod.
  PupilDesign turned = *PresetDesign("3-vanes");
  for (Vane& vane : turned.vanes) vane.angleDeg += 120.0 + 1e-12;
  const std::vector<int> original = Greys(*PresetDesign("3-vanes"), 128);
  const std::vector<int> rotated = Greys(turned, 128);
  for (std::size_t i = 0; i < original.size(); ++i) ASSERT_NEAR(original[i], rotated[i], 1) << i;
}

// A vane one pixel wide along an axis half covers the two rows (or columns)
// beside the axis: 0.5 exactly, grey 128, and 255 on the other side.
TEST(OpenFractionRender, AnglesRunCounterClockwiseFromTheRight) {
  constexpr int kSide = 64, kMid = kSide / 2;
  const double onePixelMm = 200.0 / kSide;
  const std::vector<double> east = RenderOpenFraction(Design(0, {Straight(0, onePixelMm)}), kSide);
  const std::vector<double> north =
      RenderOpenFraction(Design(0, {Straight(90, onePixelMm)}), kSide);
  for (int k : {4, 20, 27}) {
    EXPECT_NEAR(east[(kMid - 1) * kSide + kMid + k], 0.5, 1e-9) << k;
    EXPECT_NEAR(east[kMid * kSide + kMid + k], 0.5, 1e-9) << k;
    EXPECT_NEAR(east[kMid * kSide + kMid - 1 - k], 1.0, 1e-9) << k;
    EXPECT_NEAR(north[(kMid - 1 - k) * kSide + kMid], 0.5, 1e-9) << k;
    EXPECT_NEAR(north[(kMid + k) * kSide + kMid], 1.0, 1e-9) << k;
  }
  // A positive radius bends the vane to the left of its direction: leaving to
  // the right, it rises; a negative one falls. (60, 60) mm lies on the first.
  for (double radiusMm : {60.0, -60.0}) {
    const std::vector<double> curved =
        RenderOpenFraction(Design(0, {Vane{VaneShape::kCurved, 0, 4, 0, radiusMm}}), 200);
    const int column = 100 + 60, upper = 100 - 60, lower = 100 + 60;
    EXPECT_EQ(curved[upper * 200 + column], radiusMm > 0 ? 0.0 : 1.0) << radiusMm;
    EXPECT_EQ(curved[lower * 200 + column], radiusMm > 0 ? 1.0 : 0.0) << radiusMm;
  }
}

TEST(OpenFractionRender, VaneOfAFifthOfAPixelStaysVisible) {
  constexpr int kSide = 128;
  const double widthPixels = 0.2;
  const PupilDesign design = Design(40, {Straight(45, widthPixels * 200 / kSide)});
  const std::vector<double> fractions = RenderOpenFraction(design, kSide);
  // Every pixel the vane's centre line passes through is darkened.
  for (double t = 15; t < 60; t += 0.25) {
    const int i = static_cast<int>(kSide / 2 + t * std::cos(pi / 4));
    const int j = static_cast<int>(kSide / 2 - t * std::sin(pi / 4));
    EXPECT_LT(GreyLevel(fractions[j * kSide + i]), 255) << t;
  }
  const double expectedMissing = widthPixels * (kSide / 2.0 - 40 * kSide / 400.0);
  const double clear = OpenAreaPixels(RenderOpenFraction(Design(40, {}), kSide));
  EXPECT_NEAR(clear - OpenAreaPixels(fractions), expectedMissing, expectedMissing * 0.01);
}

TEST(OpenFractionRender, RefusesWhatItCannotDraw) {
  EXPECT_TRUE(RenderOpenFraction(Design(0, {}), 0).empty());
  EXPECT_TRUE(RenderOpenFraction(Design(0, {}), kMaxRenderSidePixels + 1).empty());
  EXPECT_TRUE(RenderOpenFraction(Design(0, {Straight(0, 0)}), 16).empty());
}

}  // namespace
}  // namespace voka::pupils
