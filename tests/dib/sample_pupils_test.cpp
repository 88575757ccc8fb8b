// SPDX-License-Identifier: GPL-3.0-or-later
// The sample pupils that the build writes beside the program: present,
// readable, rendered from the design files that ship beside them, and shaped
// as a telescope's pupil.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "dib_test_support.h"
#include "pupils/design_file.h"
#include "pupils/open_fraction_render.h"
#include "pupils/pupil_bitmap.h"
#include "pupils/pupil_shapes.h"

namespace voka {
namespace {

using bmp_writer::ColourImage;
using namespace pupil_shapes;

std::filesystem::path SamplePath(const PupilSample& sample, int side, int bits) {
  return std::filesystem::path(VOKA_SAMPLE_DIR) / SampleFileName(sample.name, side, bits);
}

// The samples are anti-aliased: each pixel's grey is its open fraction, as
// the design beside it gives it.
ColourImage RenderedDesign(const PupilSample& sample, int side) {
  const auto design = pupils::LoadDesignFile(std::filesystem::path(VOKA_SAMPLE_DIR) /
                                             (std::string(sample.name) + ".json"));
  if (!design.design) return ColourImage();
  return pupils::GreyImage(pupils::RenderOpenFraction(*design.design, side), side);
}

TEST(SamplePupils, EveryFileReadsAndShowsItsDesign) {
  for (const PupilSample& sample : kPupilSamples) {
    for (int side : kSampleSides) {
      const ColourImage expected = RenderedDesign(sample, side);
      for (int bits : kSampleBitCounts) {
        const std::filesystem::path path = SamplePath(sample, side, bits);
        DibRefusal reason = DibRefusal::kNone;
        const DibHandle dib = DibReadPath(path, &reason);
        ASSERT_TRUE(dib) << path << ": " << DibRefusalMessage(reason, path);
        EXPECT_EQ(dib.Layout().width, side) << path;
        EXPECT_EQ(dib.Layout().height, side) << path;
        EXPECT_EQ(dib.Layout().colourCount, bits == 8 ? 256u : 0u) << path;
        EXPECT_TRUE(DibCanPaint(dib)) << path;
        EXPECT_TRUE(dib_test::SameImage(dib_test::PaintSameSize(dib, side, side), expected))
            << path;
      }
    }
  }
}

// Grey levels are open fractions: white open, black blocked.
double OpenFraction(const ColourImage& image) {
  double open = 0;
  for (ColourValue pixel : image.pixels) open += RedOf(pixel) / 255.0;
  return open / static_cast<double>(image.pixels.size());
}

ColourImage SampleImage(PupilShape shape, int side) {
  for (const PupilSample& sample : kPupilSamples) {
    if (sample.shape != shape) continue;
    const DibHandle dib = DibReadPath(SamplePath(sample, side, 24));
    if (dib) return dib_test::PaintSameSize(dib, side, side);
  }
  return ColourImage(side, side);
}

// Areas against the geometry: the circle covers pi/4 of the square, the
// obstruction (1/4 of the diameter) a sixteenth of the circle, each vane
// about its width times its length. Both the shapes drawn for the tests
// (sampled at pixel centres, which makes vanes at 512 about 2% narrower) and
// the anti-aliased sample files must agree.
TEST(SamplePupils, OpenAreasMatchTheGeometry) {
  constexpr double kPi = 3.14159265358979323846;
  const double circle = kPi / 4;
  const double obstruction = circle * kObstructionRadius * kObstructionRadius;
  // A vane of full width w (in radii) from the obstruction to the rim: w * 0.75
  // radii squared, a square of side 2 radii having area 4.
  const double vane = kVaneWidth * (1 - kObstructionRadius) / 4;
  const double curvedVaneLength =
      kPi * kCurvedVaneRadius - 0.25;  // half circle less the part inside the obstruction
  struct Case {
    PupilShape shape;
    double expected;
  };
  const Case cases[] = {
      {PupilShape::kClear, circle},
      {PupilShape::kFourVanes, circle - obstruction - 4 * vane},
      {PupilShape::kThreeVanes, circle - obstruction - 3 * vane},
      {PupilShape::kCurvedVane, circle - obstruction - kVaneWidth * curvedVaneLength / 4},
      {PupilShape::kOffCentreObstruction, circle - obstruction},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(OpenFraction(DrawPupil(c.shape, 512)), c.expected, 0.001)
        << "shape " << static_cast<int>(c.shape);
    EXPECT_NEAR(OpenFraction(SampleImage(c.shape, 512)), c.expected, 0.001)
        << "sample file of shape " << static_cast<int>(c.shape);
  }
}

ColourImage Rotated90(const ColourImage& image) {
  ColourImage rotated(image.height, image.width);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) rotated.At(image.height - 1 - y, x) = image.At(x, y);
  }
  return rotated;
}

ColourImage Mirrored(const ColourImage& image) {
  ColourImage mirrored(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) mirrored.At(image.width - 1 - x, y) = image.At(x, y);
  }
  return mirrored;
}

TEST(SamplePupils, SymmetriesOfTheVaneShapes) {
  for (int side : kSampleSides) {
    const ColourImage four = DrawPupil(PupilShape::kFourVanes, side);
    EXPECT_TRUE(dib_test::SameImage(Rotated90(four), four)) << side;
    const ColourImage three = DrawPupil(PupilShape::kThreeVanes, side);
    EXPECT_TRUE(dib_test::SameImage(Mirrored(three), three)) << side;
    EXPECT_FALSE(dib_test::SameImage(Rotated90(three), three)) << side;
    const ColourImage clear = DrawPupil(PupilShape::kClear, side);
    EXPECT_TRUE(dib_test::SameImage(Rotated90(clear), clear)) << side;
    // The circle touches all four edges: its diameter is the side.
    EXPECT_EQ(clear.At(side / 2, 0), kWhite);
    EXPECT_EQ(clear.At(0, side / 2), kWhite);
    EXPECT_EQ(clear.At(0, 0), kBlack);
    const ColourImage offCentre = DrawPupil(PupilShape::kOffCentreObstruction, side);
    EXPECT_EQ(offCentre.At(side / 2, side / 2), kWhite) << "centre open";
  }
}

}  // namespace
}  // namespace voka
