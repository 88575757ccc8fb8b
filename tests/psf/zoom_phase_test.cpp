// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "exact_coverage.h"
#include "psf/zoomed_image.h"

namespace voka::psf {
namespace {

constexpr double kWavelengthNm = 633.0;

// The clear aperture with a wavefront tilted by the given slopes, in waves
// across the diameter: x to the right, y up.
PupilField TiltedPupil(double wavesAcrossX, double wavesAcrossY) {
  PupilField pupil = test::AnnularPupil(64, 0.0);
  pupil.opdNm.resize(pupil.amplitude.size());
  for (int row = 0; row < pupil.side; ++row) {
    for (int column = 0; column < pupil.side; ++column) {
      const double x = (column - (pupil.side - 1) / 2.0) / pupil.side;
      const double y = -(row - (pupil.side - 1) / 2.0) / pupil.side;
      pupil.opdNm[std::size_t(row) * pupil.side + column] =
          (wavesAcrossX * x + wavesAcrossY * y) * kWavelengthNm;
    }
  }
  return pupil;
}

ZoomWindow CentredWindow() {
  ZoomWindow window;
  window.halfWidthLambdaOverD = 6.0;
  window.stepLambdaOverD = 0.25;
  return window;
}

// Where the brightest pixel lies, in λ/D: +x right, +y up.
std::pair<double, double> BrightestAt(const ZoomedImage& zoom) {
  const auto brightest = std::max_element(zoom.intensity.begin(), zoom.intensity.end());
  const int index = static_cast<int>(brightest - zoom.intensity.begin());
  const double step = zoom.window.stepLambdaOverD;
  return {(index % zoom.side - zoom.side / 2) * step, (zoom.side / 2 - index / zoom.side) * step};
}

TEST(ZoomWithPhase, ATiltMovesTheImageTheWayTheWavefrontRises) {
  // A path difference of n waves across the diameter moves the star n λ/D.
  const struct { double wavesX, wavesY; } tilts[] = {{3.0, 0.0}, {0.0, 2.0}, {-1.5, 2.5}};
  for (const auto& tilt : tilts) {
    const ZoomedImage zoom =
        ComputeZoomedImage(TiltedPupil(tilt.wavesX, tilt.wavesY), CentredWindow(), kWavelengthNm);
    ASSERT_GT(zoom.side, 0);
    const auto [x, y] = BrightestAt(zoom);
    EXPECT_DOUBLE_EQ(x, tilt.wavesX) << "tilt x=" << tilt.wavesX << " y=" << tilt.wavesY;
    EXPECT_DOUBLE_EQ(y, tilt.wavesY) << "tilt x=" << tilt.wavesX << " y=" << tilt.wavesY;
    // All the light is still there: the peak is the clear aperture's.
    EXPECT_NEAR(*std::max_element(zoom.intensity.begin(), zoom.intensity.end()), 1.0, 1e-2);
  }
}

TEST(ZoomWithPhase, AFlatWavefrontZoomsAsTheAmplitudeAlone) {
  PupilField flat = TiltedPupil(0.0, 0.0);
  const ZoomedImage withPhase = ComputeZoomedImage(flat, CentredWindow(), kWavelengthNm);
  flat.opdNm.clear();
  const ZoomedImage amplitudeOnly = ComputeZoomedImage(flat, CentredWindow(), kWavelengthNm);
  ASSERT_EQ(withPhase.side, amplitudeOnly.side);
  for (std::size_t i = 0; i < withPhase.intensity.size(); ++i) {
    ASSERT_NEAR(withPhase.intensity[i], amplitudeOnly.intensity[i], 1e-12) << "pixel " << i;
  }
}

TEST(ZoomWithPhase, APhaseNeedsAUsableWavelengthAndFinitePaths) {
  PupilField pupil = TiltedPupil(1.0, 0.0);
  EXPECT_EQ(ComputeZoomedImage(pupil, CentredWindow(), 0.0).side, 0);
  EXPECT_EQ(ComputeZoomedImage(pupil, CentredWindow(), NAN).side, 0);
  pupil.opdNm[100] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ComputeZoomedImage(pupil, CentredWindow(), kWavelengthNm).side, 0);
  pupil.opdNm.pop_back();
  EXPECT_EQ(ComputeZoomedImage(pupil, CentredWindow(), kWavelengthNm).side, 0);
}

}  // namespace
}  // namespace voka::psf
