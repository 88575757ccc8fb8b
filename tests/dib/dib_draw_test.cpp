// SPDX-License-Identifier: GPL-3.0-or-later
// Scaling, clipping and drawing state of DibDraw.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dib_test_support.h"
#include "pupils/bmp_writer.h"

namespace voka {
namespace {

using bmp_writer::Bytes;
using bmp_writer::ColourImage;
using dib_test::ReadBytes;
using dib_test::SameImage;

// Each pixel's colour names its position: red and green the low bytes of
// x and y, blue their high bits.
ColourValue PositionColour(int x, int y) {
  return Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
             static_cast<std::uint8_t>((x >> 8) | ((y >> 8) << 4)));
}
int XOf(ColourValue c) {
  return RedOf(c) | ((BlueOf(c) & 0x0F) << 8);
}
int YOf(ColourValue c) {
  return GreenOf(c) | ((BlueOf(c) >> 4) << 8);
}

ColourImage PositionImage(int width, int height) {
  ColourImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.At(x, y) = PositionColour(x, y);
  }
  return image;
}

struct Thumbnail {
  ColourImage pixels;
  int lines;
};

// The open command's thumbnail: the whole image into (2, 25)-(130, 153).
Thumbnail DrawThumbnail(const DibHandle& dib, int width, int height) {
  Canvas canvas;
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, dib_test::kBackground);
  const int lines = DibDraw(canvas, {2, 25, 130, 153}, dib, {0, 0, width, height}, nullptr);
  return {dib_test::CanvasRegion(canvas, 2, 25, 128, 128), lines};
}

TEST(DibDraw, ShrinkBy4KeepsOneOfEveryFourRowsAndColumns) {
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(PositionImage(512, 512)));
  const Thumbnail thumb = DrawThumbnail(dib, 512, 512);
  EXPECT_EQ(thumb.lines, 128);
  // One offset k for all columns (and one for all rows): source 4d + k.
  const int kx = XOf(thumb.pixels.At(0, 0));
  const int ky = YOf(thumb.pixels.At(0, 0));
  ASSERT_LT(kx, 4);
  ASSERT_LT(ky, 4);
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      ASSERT_EQ(thumb.pixels.At(x, y), PositionColour(4 * x + kx, 4 * y + ky)) << x << ", " << y;
    }
  }
}

TEST(DibDraw, SameSizeCopiesPixelForPixel) {
  const ColourImage image = dib_test::ScatteredColours(128, 128, 128);
  const Thumbnail thumb = DrawThumbnail(ReadBytes(bmp_writer::Bmp24(image)), 128, 128);
  EXPECT_EQ(thumb.lines, 128);
  EXPECT_TRUE(SameImage(thumb.pixels, image));
}

TEST(DibDraw, EnlargeBy2MakesTwoByTwoBlocks) {
  const ColourImage image = dib_test::ScatteredColours(64, 64, 64);
  const Thumbnail thumb = DrawThumbnail(ReadBytes(bmp_writer::Bmp24(image)), 64, 64);
  EXPECT_EQ(thumb.lines, 128);
  ColourImage expected(128, 128);
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) expected.At(x, y) = image.At(x / 2, y / 2);
  }
  EXPECT_TRUE(SameImage(thumb.pixels, expected));
}

// Any size: each destination pixel shows one source pixel that lies under
// it (the k-th of n destination pixels spans source k * S / n to
// (k + 1) * S / n), the chosen ones never go back, and an enlargement
// leaves no source pixel out.
void ExpectNearestAlongAxis(const std::vector<int>& sources, int size, const std::string& what) {
  const int n = static_cast<int>(sources.size());
  std::set<int> used;
  for (int k = 0; k < n; ++k) {
    EXPECT_LT(sources[k] * n, (k + 1) * size) << what << " pixel " << k << " source " << sources[k];
    EXPECT_GT((sources[k] + 1) * n, k * size) << what << " pixel " << k << " source " << sources[k];
    if (k > 0) {
      EXPECT_GE(sources[k], sources[k - 1]) << what << " pixel " << k;
    }
    used.insert(sources[k]);
  }
  if (size <= n) {
    EXPECT_EQ(static_cast<int>(used.size()), size) << what;
  }
}

TEST(DibDraw, NearestPixelScalingForOddSizes) {
  for (int size : {3, 100, 129, 200, 511}) {
    const DibHandle dib = ReadBytes(bmp_writer::Bmp24(PositionImage(size, 5)));
    const Thumbnail thumb = DrawThumbnail(dib, size, 5);
    std::vector<int> columns;
    std::vector<int> rows;
    for (int k = 0; k < 128; ++k) {
      columns.push_back(XOf(thumb.pixels.At(k, 0)));
      rows.push_back(YOf(thumb.pixels.At(0, k)));
    }
    ExpectNearestAlongAxis(columns, size, "width " + std::to_string(size));
    ExpectNearestAlongAxis(rows, 5, "height 5");
  }
}

// Rows are stored bottom-up; the picture must still stand upright, also
// when scaled.
TEST(DibDraw, ScaledImageStaysUpright) {
  for (bool topDown : {false, true}) {
    bmp_writer::InfoFields fields;
    fields.width = 4;
    fields.height = topDown ? -4 : 4;
    const ColourImage image = PositionImage(4, 4);
    const Bytes rows = bmp_writer::PackRows(
        4, 4, 24, topDown, [&](int x, int y) { return bmp_writer::StoredBgr(image.At(x, y)); });
    const DibHandle dib = ReadBytes(bmp_writer::Assemble(bmp_writer::InfoHeader(fields), {}, rows));
    const Thumbnail thumb = DrawThumbnail(dib, 4, 4);  // callers take the height's magnitude
    EXPECT_EQ(YOf(thumb.pixels.At(0, 0)), 0) << "top-down " << topDown;
    EXPECT_EQ(YOf(thumb.pixels.At(0, 127)), 3) << "top-down " << topDown;
    EXPECT_EQ(XOf(thumb.pixels.At(127, 0)), 3) << "top-down " << topDown;
  }
}

TEST(DibDraw, ClipsToTheCanvas) {
  const ColourImage image = dib_test::ScatteredColours(100, 100, 1);
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(image));
  Canvas canvas;
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, dib_test::kBackground);
  // Hangs 30 pixels over the left edge and 40 over the bottom.
  EXPECT_EQ(DibDraw(canvas, {-30, 452, 70, 552}, dib, {0, 0, 100, 100}, nullptr), 60);
  for (int y = 452; y < 512; ++y) {
    for (int x = 0; x < 70; ++x) ASSERT_EQ(canvas.GetPixel(x, y), image.At(x + 30, y - 452));
    ASSERT_EQ(canvas.GetPixel(70, y), dib_test::kBackground);
  }
  EXPECT_EQ(canvas.GetPixel(0, 451), dib_test::kBackground);
  // Wholly outside: nothing painted, nothing counted.
  EXPECT_EQ(DibDraw(canvas, {572, 0, 672, 100}, dib, {0, 0, 100, 100}, nullptr), 0);
  EXPECT_EQ(DibDraw(canvas, {0, -100, 100, 0}, dib, {0, 0, 100, 100}, nullptr), 0);
}

TEST(DibDraw, SourceRectangleSelectsPartOfTheImage) {
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(PositionImage(40, 30)));
  Canvas canvas;
  EXPECT_EQ(DibDraw(canvas, {0, 0, 10, 5}, dib, {20, 10, 30, 15}, nullptr), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(canvas.GetPixel(x, y), PositionColour(20 + x, 10 + y));
  }
}

TEST(DibDraw, EmptyOrReversedRectanglesPaintNothing) {
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(PositionImage(8, 8)));
  Canvas canvas;
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, dib_test::kBackground);
  const DibRect whole{0, 0, 8, 8};
  const DibRect bad[] = {
      {0, 0, 0, 8}, {0, 0, 8, 0}, {8, 0, 0, 8}, {0, 8, 8, 0}, {INT32_MIN, 0, INT32_MAX, 8}};
  for (const DibRect& rect : bad) {
    EXPECT_EQ(DibDraw(canvas, rect, dib, whole, nullptr), 0);
    EXPECT_EQ(DibDraw(canvas, whole, dib, rect, nullptr), 0);
  }
  EXPECT_EQ(canvas.GetPixel(0, 0), dib_test::kBackground);
}

// Huge rectangles cost no more than the canvas area: this must finish at
// once and paint the part that lands on the canvas.
TEST(DibDraw, HugeRectanglesStayCheap) {
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(PositionImage(2, 2)));
  Canvas canvas;
  EXPECT_EQ(DibDraw(canvas, {0, 0, INT32_MAX, INT32_MAX}, dib, {0, 0, 2, 2}, nullptr), 512);
  EXPECT_EQ(canvas.GetPixel(511, 511), PositionColour(0, 0));
  // A source rectangle of 2^31 - 1 pixels whose sampled pixels all miss the image.
  EXPECT_EQ(DibDraw(canvas, {0, 0, 512, 512}, dib, {-INT32_MAX + 2, 0, 2, INT32_MAX}, nullptr), 0);
}

TEST(DibDraw, NullHandleReturnsZero) {
  Canvas canvas;
  const Palette palette;
  EXPECT_EQ(DibDraw(canvas, {0, 0, 10, 10}, DibHandle{}, {0, 0, 10, 10}, &palette), 0);
  EXPECT_EQ(canvas.GetPixel(0, 0), kBlack);
}

TEST(DibDraw, OneBitCoreImageWithItsPalette) {
  Bytes file =
      bmp_writer::Assemble(bmp_writer::CoreHeader(2, 1, 1),
                           bmp_writer::ColourTable(std::vector<ColourValue>{kBlack, kWhite}, true),
                           Bytes{0x40, 0, 0, 0});
  const DibHandle dib = ReadBytes(file);
  Palette palette;
  ASSERT_TRUE(DibMakePalette(dib, palette));
  Canvas canvas;
  FillBox(canvas, 0, 0, 2, 1, dib_test::kBackground);
  EXPECT_EQ(DibDraw(canvas, {0, 0, 2, 1}, dib, {0, 0, 2, 1}, &palette), 1);
  EXPECT_EQ(canvas.GetPixel(0, 0), kBlack);
  EXPECT_EQ(canvas.GetPixel(1, 0), kWhite);
}

}  // namespace
}  // namespace voka
