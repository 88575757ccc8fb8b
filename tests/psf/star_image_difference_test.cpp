// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/star_image_difference.h"

#include <gtest/gtest.h>

#include "exact_coverage.h"
#include "psf/psf_analysis.h"

namespace voka::psf {
namespace {

TEST(StarImageDifference, ItselfIsZeroAndSwappingNegates) {
  PsfSettings settings;
  settings.padFactor = 2;
  const StarImage a = *ComputeStarImage(test::AnnularPupil(48, 0.25), settings);
  const StarImage b =
      *ComputeStarImage(test::VanedPupil(48, 0.35, 1.5, {0, 90, 180, 270}), settings);
  for (const DifferenceScale scale : {DifferenceScale::kLinear, DifferenceScale::kLogRatio}) {
    const StarImageDifference same = *DifferenceOf(a, a, 8.0, scale);
    EXPECT_EQ(same.side, 33);
    for (const double v : same.values) EXPECT_EQ(v, 0.0);
    const StarImageDifference forward = *DifferenceOf(a, b, 8.0, scale);
    const StarImageDifference backward = *DifferenceOf(b, a, 8.0, scale);
    for (std::size_t i = 0; i < forward.values.size(); ++i)
      EXPECT_EQ(forward.values[i], -backward.values[i]);
  }
  // The larger obstruction takes light from the core: B − A is negative at
  // the centre, by the change in the peak's share.
  const StarImageDifference linear = *DifferenceOf(a, b, 8.0, DifferenceScale::kLinear);
  const std::size_t middle = linear.values.size() / 2;
  EXPECT_NEAR(linear.values[middle],
              b.peakIntensity / b.totalIntensity - a.peakIntensity / a.totalIntensity, 1e-15);
  EXPECT_LT(linear.values[middle], 0.0);
  settings.padFactor = 3;
  const StarImage finer = *ComputeStarImage(test::AnnularPupil(48, 0.25), settings);
  EXPECT_FALSE(DifferenceOf(a, finer, 8.0, DifferenceScale::kLinear)) << "grids differ";
}

}  // namespace
}  // namespace voka::psf
