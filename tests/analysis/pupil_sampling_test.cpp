// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/pupil_sampling.h"

#include <gtest/gtest.h>

#include "reference/pupil_images.h"
#include "sine_transform/work_areas.h"

namespace voka {
namespace {

using test::ColourImage;

class PupilSampling : public testing::Test {
 protected:
  void SetUp() override { grid_ = AllocGrid(kGridSize, kGridSize, {}); }
  void TearDown() override { FreeGrid(grid_, kGridSize); }
  DoubleGrid grid_ = nullptr;
  Canvas canvas_;
};

TEST_F(PupilSampling, FullSizeImageIsCopiedCellForPixel) {
  ColourImage image(kGridSize, kGridSize);
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x)
      image.At(x, y) = Rgb(static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(x), 7);
  FillBox(canvas_, 0, 0, 512, 512, kWhite);  // must not show through
  SamplePupil(canvas_, test::DibFromImage(image), kThumbnailSize, kThumbnailSize, grid_);
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x)
      ASSERT_EQ(grid_[x][y], static_cast<double>((x ^ y) & 0xFF)) << x << "," << y;
}

TEST_F(PupilSampling, SmallerImageIsStretchedOverTheGrid) {
  ColourImage image(4, 2, kBlack);
  image.At(1, 0) = kWhite;  // columns 128..255 of rows 0..255
  SamplePupil(canvas_, test::DibFromImage(image), kThumbnailSize, kThumbnailSize, grid_);
  for (int y = 0; y < kGridSize; y += 7)
    for (int x = 0; x < kGridSize; x += 5) {
      const bool lit = x >= 128 && x < 256 && y < 256;
      ASSERT_EQ(grid_[x][y], lit ? 255.0 : 0.0) << x << "," << y;
    }
}

TEST_F(PupilSampling, SumTakesTheWholeColourValue) {
  const double white = SamplePupil(canvas_, test::UniformPupil(64, kWhite), 128, 128, grid_);
  EXPECT_EQ(white, 17247240192.0);
  EXPECT_EQ(grid_[0][0], 255.0);
  EXPECT_EQ(grid_[511][511], 255.0);

  const double black = SamplePupil(canvas_, test::UniformPupil(64, kBlack), 128, 128, grid_);
  EXPECT_EQ(black, 0.0);

  const double blue =
      SamplePupil(canvas_, test::UniformPupil(512, Rgb(0, 0, 255)), 128, 128, grid_);
  EXPECT_EQ(blue, 17179869184.0);
  for (int x = 0; x < kGridSize; x += 31) EXPECT_EQ(grid_[x][x], 0.0) << "no red, no light";
}

TEST_F(PupilSampling, LeavesTheBandWithTheThumbnailOnBlack) {
  SamplePupil(canvas_, test::UniformPupil(300, kWhite), kThumbnailSize, kThumbnailSize, grid_);
  EXPECT_EQ(canvas_.GetPixel(0, 0), kDarkBlue);
  EXPECT_EQ(canvas_.GetPixel(399, 154), kDarkBlue);
  EXPECT_EQ(canvas_.GetPixel(400, 0), kBlack);
  EXPECT_EQ(canvas_.GetPixel(0, 155), kBlack);
  EXPECT_EQ(canvas_.GetPixel(511, 511), kBlack) << "the stretched image is gone";
  EXPECT_EQ(canvas_.GetPixel(2, 25), kWhite);
  EXPECT_EQ(canvas_.GetPixel(129, 152), kWhite);
  EXPECT_EQ(canvas_.GetPixel(130, 152), kDarkBlue);
  EXPECT_EQ(canvas_.GetPixel(1, 25), kDarkBlue);
}

TEST_F(PupilSampling, RepeatedSamplingGivesTheSameGridAndSum) {
  const DibHandle pupil = test::ShapePupil(pupil_shapes::PupilShape::kThreeVanes, 200);
  const double first = SamplePupil(canvas_, pupil, 128, 128, grid_);
  const double centre = grid_[256][300];
  const double second = SamplePupil(canvas_, pupil, 128, 128, grid_);
  EXPECT_EQ(first, second);
  EXPECT_EQ(grid_[256][300], centre);
}

// An 8x8 RLE8 pupil whose rows paint only their left half, then end early:
// the skipped pixels are part of no image and must sample as black.
DibHandle HalfPaintedRlePupil() {
  bmp_writer::InfoFields fields;
  fields.width = 8;
  fields.height = 8;
  fields.bitCount = 8;
  fields.compression = 1;  // BI_RLE8
  fields.coloursUsed = 2;
  bmp_writer::Bytes stream;
  for (int row = 0; row < 8; ++row) stream.insert(stream.end(), {4, 1, 0, 0});  // 4 x white, EOL
  stream.insert(stream.end(), {0, 1});                                          // end of bitmap
  fields.imageBytes = static_cast<std::uint32_t>(stream.size());
  const std::vector<ColourValue> table{kBlack, kWhite};
  const auto file =
      bmp_writer::Assemble(bmp_writer::InfoHeader(fields), bmp_writer::ColourTable(table), stream);
  DibMemoryFile memory(file);
  return DibRead(memory);
}

TEST_F(PupilSampling, PixelsAnImageSkipsSampleBlackWhateverTheCanvasHeld) {
  const DibHandle pupil = HalfPaintedRlePupil();
  ASSERT_TRUE(pupil);
  FillBox(canvas_, 0, 0, 512, 512, kWhite);
  const double overWhite = SamplePupil(canvas_, pupil, 128, 128, grid_);
  EXPECT_EQ(grid_[511][0], 0.0) << "right half skipped by the stream";
  EXPECT_EQ(grid_[0][0], 255.0);
  FillBox(canvas_, 0, 0, 512, 512, Rgb(255, 0, 255));
  EXPECT_EQ(SamplePupil(canvas_, pupil, 128, 128, grid_), overWhite);
  EXPECT_EQ(overWhite, 256.0 * 512 * 65793) << "half the canvas white";
}

// A writer that leaves room between the header and the pixels says so in
// the file header's pixel offset; the pupil must sample as the packed file.
TEST_F(PupilSampling, GapBeforeThePixelsSamplesAsWithout) {
  const bmp_writer::Bytes plain =
      bmp_writer::Bmp24(pupil_shapes::DrawPupil(pupil_shapes::PupilShape::kThreeVanes, 64));
  constexpr std::size_t kHeaderEnd = 14 + 40;
  constexpr std::size_t kGap = 16;
  bmp_writer::Bytes dib(plain.begin() + 14, plain.begin() + kHeaderEnd);
  dib.insert(dib.end(), kGap, 0xFF);
  dib.insert(dib.end(), plain.begin() + kHeaderEnd, plain.end());
  const bmp_writer::Bytes gapped = bmp_writer::WithFileHeader(dib, 40 + kGap);
  DibMemoryFile plainFile(plain);
  DibMemoryFile gappedFile(gapped);
  const DibHandle withoutGap = DibRead(plainFile);
  const DibHandle withGap = DibRead(gappedFile);
  ASSERT_TRUE(withoutGap && withGap);
  const double expected = SamplePupil(canvas_, withoutGap, 128, 128, grid_);
  EXPECT_EQ(SamplePupil(canvas_, withGap, 128, 128, grid_), expected);
}

}  // namespace
}  // namespace voka
