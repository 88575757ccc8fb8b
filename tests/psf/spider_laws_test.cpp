// SPDX-License-Identifier: GPL-3.0-or-later
// What a spider's mechanics do to its spikes, against the diffraction of
// straight edges: a spike turns with its vane, two parallel vanes make
// fringes, and a vane's width sets its spike's envelope.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "image_reading.h"
#include "psf/psf_analysis.h"
#include "pupils/open_fraction_render.h"

namespace voka::psf {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kApertureMm = 200.0;

StarImage ImageOfDesign(const pupils::PupilDesign& design, int side, int padFactor) {
  PsfSettings settings;
  settings.padFactor = padFactor;
  const PupilField pupil =
      PupilFromOpenFraction(pupils::RenderOpenFraction(design, side), side, {});
  return *ComputeStarImage(pupil, settings);
}

// The image at a position in λ/D (x right, y up).
double At(const StarImage& image, double xLambdaOverD, double yLambdaOverD) {
  return test::BilinearAt(image, xLambdaOverD * image.padFactor, yLambdaOverD * image.padFactor);
}

pupils::Vane Straight(double angleDeg, double widthMm, double offsetMm = 0.0) {
  return pupils::Vane{pupils::VaneShape::kStraight, angleDeg, widthMm, offsetMm, 100.0};
}

pupils::PupilDesign Obstructed(std::vector<pupils::Vane> vanes) {
  pupils::PupilDesign design;
  design.apertureDiameterMm = kApertureMm;
  design.obstruction = pupils::Obstruction{50.0, 0.0, 0.0};
  design.vanes = std::move(vanes);
  return design;
}

// The angles (degrees) of the two brightest ridges on an arc of the radius,
// the profile averaged over ±2 λ/D in radius.
std::pair<double, double> TwoRidges(const StarImage& image, double radius, double fromDeg,
                                    double toDeg) {
  std::vector<double> angles;
  std::vector<double> profile;
  for (double angle = fromDeg; angle <= toDeg; angle += 0.05) {
    double sum = 0.0;
    for (double r = radius - 2.0; r <= radius + 2.0; r += 0.25)
      sum += At(image, r * std::cos(angle * kPi / 180), r * std::sin(angle * kPi / 180));
    angles.push_back(angle);
    profile.push_back(sum);
  }
  std::size_t first = 0;
  for (std::size_t i = 1; i < profile.size(); ++i)
    if (profile[i] > profile[first]) first = i;
  // The second ridge: the brightest point at least 3° from the first.
  std::size_t second = first == 0 ? 1 : 0;
  for (std::size_t i = 0; i < profile.size(); ++i) {
    if (std::abs(angles[i] - angles[first]) > 3.0 && profile[i] > profile[second]) second = i;
  }
  return {std::min(angles[first], angles[second]), std::max(angles[first], angles[second])};
}

// Each half-vane throws its spike square to it: turning the half-vane at
// 180° by δ turns its spike from 90° to 90° + δ, so at radius r the pair
// stands 2r·sin(δ/2) apart.
TEST(SpiderLaws, TurningAHalfVaneTurnsItsSpike) {
  const double delta = 12.0;
  const StarImage image =
      ImageOfDesign(Obstructed({Straight(0.0, 2.0), Straight(180.0 + delta, 2.0)}), 256, 2);
  for (const double radius : {60.0, 90.0}) {
    const auto [low, high] = TwoRidges(image, radius, 80.0, 110.0);
    const double separation = 2.0 * radius * std::sin((high - low) * kPi / 360.0);
    const double expected = 2.0 * radius * std::sin(delta * kPi / 360.0);
    EXPECT_NEAR(low, 90.0, 0.5) << "r=" << radius;
    EXPECT_NEAR(separation, expected, 0.03 * expected) << "r=" << radius;
  }
}

// The spike's light at a height (λ/D along +y), averaged over 1 λ/D along
// it, which evens out the aperture's rings (one a λ/D).
double SmoothedSpike(const StarImage& image, double y) {
  double sum = 0.0;
  int count = 0;
  for (double along = -0.5; along < 0.5; along += 0.125, ++count) sum += At(image, 0.0, y + along);
  return sum / count;
}

// Positions (λ/D along +y) of the dark fringes of the smoothed spike: its
// minima below a tenth of its brightest, which leaves out the shallow dips
// the rings leave behind.
std::vector<double> SpikeMinima(const StarImage& image, double from, double to) {
  const double step = 0.25;
  double brightest = 0.0;
  for (double y = from; y <= to; y += step)
    brightest = std::max(brightest, SmoothedSpike(image, y));
  std::vector<double> minima;
  for (double y = from + step; y < to - step; y += step) {
    const double here = SmoothedSpike(image, y);
    if (here < 0.1 * brightest && here < SmoothedSpike(image, y - step) &&
        here < SmoothedSpike(image, y + step))
      minima.push_back(y);
  }
  return minima;
}

// Two parallel vanes s apart: their spikes interfere as cos²(π s θ / λ), so
// the spike has dark fringes every λ/s (D/s in λ/D).
TEST(SpiderLaws, ParallelVanesMakeFringesEveryLambdaOverTheirSpacing) {
  const double spacingMm = 20.0;
  // Along x, one strip at y = +s/2 and one at y = −s/2, each as two halves.
  pupils::PupilDesign design;
  design.apertureDiameterMm = kApertureMm;
  design.vanes = {Straight(0.0, 1.0, spacingMm / 2), Straight(180.0, 1.0, -spacingMm / 2),
                  Straight(0.0, 1.0, -spacingMm / 2), Straight(180.0, 1.0, spacingMm / 2)};
  const StarImage image = ImageOfDesign(design, 256, 4);
  const std::vector<double> minima = SpikeMinima(image, 20.0, 90.0);
  ASSERT_GE(minima.size(), 6u);
  const double period = (minima.back() - minima.front()) / (minima.size() - 1);
  EXPECT_NEAR(period, kApertureMm / spacingMm, 0.02 * kApertureMm / spacingMm);
}

// A vane of width w adds to its spike the field of a strip, w·sinc(w θ/λ)
// across it: the spike's envelope falls to zero at θ = λ/w.
TEST(SpiderLaws, AVanesWidthSetsWhereItsSpikeEnds) {
  const double widthMm = 8.0;  // λ/w = 25 λ/D
  const StarImage image =
      ImageOfDesign(Obstructed({Straight(0.0, widthMm), Straight(180.0, widthMm)}), 256, 4);
  // The spike's light in a band across it, against the light beside it at
  // the same radius, is least where the envelope vanishes.
  double darkest = 0.0;
  double least = INFINITY;
  for (double y = 15.0; y <= 35.0; y += 0.25) {
    double spike = 0.0;
    for (double x = -0.5; x <= 0.5; x += 0.25) spike += At(image, x, y);
    if (spike < least) {
      least = spike;
      darkest = y;
    }
  }
  EXPECT_NEAR(darkest, kApertureMm / widthMm, 0.04 * kApertureMm / widthMm);
}

}  // namespace
}  // namespace voka::psf
