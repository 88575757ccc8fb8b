// SPDX-License-Identifier: GPL-3.0-or-later
// Sensor pixels and the exposure: what is integrated, clipped and shown.

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "camera/exposure.h"
#include "camera/sensor_sampling.h"

namespace voka::camera {
namespace {

TEST(Sensor, SubsamplingReachesNyquistAtTheShortestWavelength) {
  // 3.76 µm at 800 mm is 4.7 µrad; λ/2D at 400 nm and 200 mm is 1 µrad.
  EXPECT_EQ(SubsamplesPerPixel(3.76, 800.0, 400.0, 200.0), 5);
  EXPECT_EQ(SubsamplesPerPixel(4.0, 800.0, 400.0, 200.0), 5);   // 5.0 exactly is enough
  EXPECT_EQ(SubsamplesPerPixel(0.5, 2000.0, 700.0, 100.0), 2);  // never below 2
  EXPECT_EQ(SubsamplesPerPixel(3.76, 0.0, 400.0, 200.0), 0);
  EXPECT_EQ(SubsamplesPerPixel(1000.0, 10.0, 400.0, 200.0), 0);  // beyond the limit
}

TEST(Sensor, PixelsCollectExactlyTheLightOfTheirSubsamples) {
  constexpr int kPixels = 5;
  constexpr int kSub = 3;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> value(0, 1 << 20);
  std::vector<double> fine(kPixels * kSub * kPixels * kSub);
  // Dyadic values add without rounding, in any order.
  for (double& v : fine) v = value(random) / 1024.0;
  const std::vector<double> pixels = SumSubsamples(fine, kPixels, kSub);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kPixels * kPixels));
  EXPECT_EQ(std::accumulate(pixels.begin(), pixels.end(), 0.0),
            std::accumulate(fine.begin(), fine.end(), 0.0));
  std::vector<double> one(fine.size(), 0.0);
  one[(2 * kSub + 1) * kPixels * kSub + 4 * kSub + 2] = 1.0;  // fine row 7, column 14
  EXPECT_EQ(SumSubsamples(one, kPixels, kSub)[2 * kPixels + 4], 1.0);
  EXPECT_TRUE(SumSubsamples(fine, kPixels + 1, kSub).empty());
}

TEST(Sensor, ExposureClipsAtFullWellAndAsinhKeepsColour) {
  ChannelPlanes light{2, 3, std::vector<double>(12, 0.0)};
  // Four pixels in three planes: R, then G, then B.
  const double r[] = {8.0, 0.004, 0.02, 0.0};
  const double g[] = {6.0, 0.002, 0.03, 0.0};
  const double b[] = {2.0, 0.001, 0.05, 0.0};
  for (int p = 0; p < 4; ++p) {
    light.values[p] = r[p];
    light.values[4 + p] = g[p];
    light.values[8 + p] = b[p];
  }
  const Exposed exposed = Expose(light, 100.0);
  EXPECT_DOUBLE_EQ(exposed.fullWell, 0.08);
  for (const double v : exposed.planes.values) EXPECT_LE(v, exposed.fullWell);
  EXPECT_TRUE(Saturated(exposed, 0));
  EXPECT_FALSE(Saturated(exposed, 1));
  const DisplaySettings asinh;
  const std::array<double, 3> faint = StretchedPixel(exposed, 1, asinh);
  EXPECT_NEAR(faint[0] / faint[1], 2.0, 1e-12);
  EXPECT_NEAR(faint[1] / faint[2], 2.0, 1e-12);
  EXPECT_GT(faint[0], 0.004 / 0.08) << "asinh lifts faint light";
  const std::vector<std::uint8_t> rgb = DisplayRgb8(exposed, asinh);
  ASSERT_EQ(rgb.size(), 12u);
  EXPECT_EQ(rgb[0], 255);                    // saturated: white
  EXPECT_EQ(rgb[9] + rgb[10] + rgb[11], 0);  // dark stays black
  DisplaySettings flagged;
  flagged.saturatedColour = {255, 0, 255};
  EXPECT_EQ(DisplayRgb8(exposed, flagged)[1], 0);
  EXPECT_TRUE(Expose(light, 0.5).fullWell == 0.0) << "an exposure below 1 is refused";
}

}  // namespace
}  // namespace voka::camera
