// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/star_pupil.h"

#include <gtest/gtest.h>

#include "psf/star_image.h"
#include "pupils/design_presets.h"

namespace voka::pupils {
namespace {

// A design's wavefront reaches its star image: an x-tilt of c nm RMS moves
// the image 4c/λ λ/D toward +x, and a design without one stays real.
TEST(StarPupil, CarriesTheDesignsWavefrontIntoItsImage) {
  PupilDesign design = *PresetDesign("4-vanes");
  EXPECT_FALSE(StarPupilOfDesign(design, 64).HasPhase());
  const double shiftLambdaOverD = 2.0;
  design.wavefront.zernikeRmsNm[2] = shiftLambdaOverD * 550.0 / 4.0;
  const psf::PupilField pupil = StarPupilOfDesign(design, 64);
  ASSERT_TRUE(pupil.HasPhase());
  psf::PsfSettings settings;
  settings.padFactor = 4;
  const psf::StarImage image = *psf::ComputeStarImage(pupil, settings);
  const int shift = static_cast<int>(shiftLambdaOverD * settings.padFactor);
  EXPECT_NEAR(image.At(image.centreIndex, image.centreIndex + shift), image.peakIntensity,
              1e-9 * image.peakIntensity);
}

}  // namespace
}  // namespace voka::pupils
