// SPDX-License-Identifier: GPL-3.0-or-later
// Two camera images made with one set of settings: their change and the
// change of their numbers.

#include "camera/camera_change.h"

#include <gtest/gtest.h>

#include "camera/camera_numbers.h"
#include "psf/exact_coverage.h"

namespace voka::camera {
namespace {

struct Shot {
  CameraImage image;
  CameraNumbers numbers;
};

// Three colour channels on a small, coarse field: the core in a few pixels.
Shot ShotOf(const psf::PupilField& pupil) {
  CameraSettings settings;
  settings.wavelengthCount = 8;
  settings.fieldPixels = 12;
  settings.colour = ColourMode::kCamera;
  CameraOutcome outcome = ComputeCameraImage(pupil, settings);
  EXPECT_TRUE(outcome.image);
  CameraNumbers numbers = ComputeCameraNumbers(*outcome.image, settings, pupil);
  return {std::move(*outcome.image), std::move(numbers)};
}

void ExpectNegated(const CameraNumbers& forward, const CameraNumbers& backward) {
  const std::vector<NamedCameraNumber> f = NamedCameraNumbers(forward);
  const std::vector<NamedCameraNumber> b = NamedCameraNumbers(backward);
  ASSERT_EQ(f.size(), b.size());
  for (std::size_t i = 0; i < f.size(); ++i) EXPECT_EQ(f[i].value, -b[i].value) << f[i].key;
}

TEST(CameraChange, ZeroAgainstItselfNegatedBySwappingAndBMinusA) {
  const Shot a = ShotOf(psf::test::VanedPupil(64, 0.25, 1.0, {0, 90, 180, 270}));
  const Shot b = ShotOf(psf::test::VanedPupil(64, 0.45, 1.0, {0, 90, 180, 270}));
  ASSERT_EQ(a.numbers.brightestPixelFraction.size(), 3u);

  const ChannelPlanes same = *CameraImageChange(a.image, a.image);
  for (const double value : same.values) ASSERT_EQ(value, 0.0);
  for (const NamedCameraNumber& number :
       NamedCameraNumbers(CameraNumbersChange(a.numbers, a.numbers)))
    EXPECT_EQ(number.value, 0.0) << number.key;

  const ChannelPlanes forward = *CameraImageChange(a.image, b.image);
  const ChannelPlanes backward = *CameraImageChange(b.image, a.image);
  ASSERT_EQ(forward.channelCount, 3);
  for (std::size_t i = 0; i < forward.values.size(); ++i) {
    ASSERT_EQ(forward.values[i], b.image.pixels.values[i] - a.image.pixels.values[i]) << i;
    ASSERT_EQ(backward.values[i], -forward.values[i]) << i;
  }
  const CameraNumbers change = CameraNumbersChange(a.numbers, b.numbers);
  ExpectNegated(change, CameraNumbersChange(b.numbers, a.numbers));
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(change.brightestPixelFraction[c],
              b.numbers.brightestPixelFraction[c] - a.numbers.brightestPixelFraction[c])
        << "channel " << c;
  }
  EXPECT_EQ(change.spikeFraction, b.numbers.spikeFraction - a.numbers.spikeFraction);

  // The larger obstruction sends light from the core into the rings: every
  // channel's brightest pixel holds less of it.
  for (std::size_t c = 0; c < 3; ++c)
    EXPECT_LT(change.brightestPixelFraction[c], -0.01) << "channel " << c;
}

TEST(CameraChange, ImagesOnDifferentGridsHaveNoChange) {
  CameraImage a;
  a.pixels = {4, 1, std::vector<double>(16, 0.0)};
  CameraImage b = a;
  b.pixels = {4, 3, std::vector<double>(48, 0.0)};
  EXPECT_FALSE(CameraImageChange(a, b));
  b.pixels = {5, 1, std::vector<double>(25, 0.0)};
  EXPECT_FALSE(CameraImageChange(a, b));
}

}  // namespace
}  // namespace voka::camera
