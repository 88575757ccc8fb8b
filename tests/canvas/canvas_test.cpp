// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <set>

namespace voka {
namespace {

int CountPixels(const Canvas& canvas, ColourValue colour) {
  int count = 0;
  for (int y = 0; y < Canvas::kSize; ++y)
    for (int x = 0; x < Canvas::kSize; ++x) count += canvas.GetPixel(x, y) == colour;
  return count;
}

TEST(Canvas, StartsAllBlack) {
  const Canvas canvas;
  EXPECT_EQ(CountPixels(canvas, kBlack), Canvas::kSize * Canvas::kSize);
}

TEST(Canvas, PixelReadsBackWhatWasWritten) {
  Canvas canvas;
  for (const ColourValue colour : {kWhite, kDarkBlue, Grey(17), Rgb(1, 2, 3), ColourValue{0xFF}}) {
    canvas.SetPixel(511, 0, colour);
    EXPECT_EQ(canvas.GetPixel(511, 0), colour) << std::hex << colour;
  }
}

TEST(Canvas, OutsideIsClippedWithoutError) {
  Canvas canvas;
  canvas.SetPixel(-1, 0, kWhite);
  canvas.SetPixel(512, 511, kWhite);
  canvas.SetPixel(0, 512, kWhite);
  EXPECT_EQ(canvas.GetPixel(-1, 0), kBlack);
  FillBox(canvas, 572, 0, 10, 10, kWhite);
  FillBox(canvas, -20, -20, 20, 20, kWhite);
  FillBox(canvas, 0, 0, -5, 40, kWhite);
  FillBox(canvas, 2147483600, 2147483600, 1000, 1000, kWhite);
  DrawSegment(canvas, 600, 600, 700, 900, kWhite);
  DrawSegment(canvas, -2147483647, 5, -2147483647, 300, kWhite);
  EXPECT_EQ(CountPixels(canvas, kBlack), Canvas::kSize * Canvas::kSize);
}

TEST(FillBox, WholeCanvasTakesTheColour) {
  Canvas canvas;
  FillBox(canvas, 0, 0, 512, 512, Rgb(10, 20, 30));
  EXPECT_EQ(CountPixels(canvas, Rgb(10, 20, 30)), Canvas::kSize * Canvas::kSize);
}

TEST(FillBox, CoversExactlyItsBox) {
  Canvas canvas;
  FillBox(canvas, 7, 9, 3, 2, kWhite);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 7 && x < 10 && y >= 9 && y < 11;
      EXPECT_EQ(canvas.GetPixel(x, y), inside ? kWhite : kBlack) << x << "," << y;
    }
}

TEST(FillBox, PartlyOutsideIsClipped) {
  Canvas canvas;
  FillBox(canvas, 500, -3, 40, 5, kWhite);
  EXPECT_EQ(CountPixels(canvas, kWhite), 12 * 2);
  EXPECT_EQ(canvas.GetPixel(511, 1), kWhite);
  EXPECT_EQ(canvas.GetPixel(499, 1), kBlack);
}

// The ray trace's picture: 64x64 cells of 2x2 must tile columns 130..257 and
// rows 2..129 with no gap and no spill.
TEST(FillBox, TwoByTwoCellsTileWithoutGaps) {
  Canvas canvas;
  for (int i = 0; i < 64; ++i)
    for (int j = 0; j < 64; ++j)
      FillBox(canvas, 130 + 2 * i, 2 + 2 * j, 2, 2, Grey(1 + (i + j) % 200));
  for (int y = 0; y < Canvas::kSize; ++y)
    for (int x = 0; x < Canvas::kSize; ++x) {
      const bool inside = x >= 130 && x <= 257 && y >= 2 && y <= 129;
      if (!inside) {
        ASSERT_EQ(canvas.GetPixel(x, y), kBlack) << x << "," << y;
        continue;
      }
      const int i = (x - 130) / 2, j = (y - 2) / 2;
      ASSERT_EQ(canvas.GetPixel(x, y), Grey(1 + (i + j) % 200)) << x << "," << y;
    }
}

std::set<std::pair<int, int>> LitPixels(const Canvas& canvas) {
  std::set<std::pair<int, int>> lit;
  for (int y = 0; y < Canvas::kSize; ++y)
    for (int x = 0; x < Canvas::kSize; ++x)
      if (canvas.GetPixel(x, y) != kBlack) lit.insert({x, y});
  return lit;
}

TEST(DrawSegment, HorizontalLineIsTwoPixelsWideWithBothEnds) {
  Canvas canvas;
  DrawSegment(canvas, 10, 20, 15, 20, kWhite);
  const auto lit = LitPixels(canvas);
  EXPECT_EQ(lit.size(), 12u);
  for (int x = 10; x <= 15; ++x) {
    EXPECT_TRUE(lit.count({x, 20})) << x;
    EXPECT_TRUE(lit.count({x, 21})) << x;
  }
}

TEST(DrawSegment, SteepLineIsTwoPixelsWideAcross) {
  Canvas canvas;
  DrawSegment(canvas, 40, 10, 41, 30, kWhite);
  const auto lit = LitPixels(canvas);
  for (int y = 10; y <= 30; ++y) {
    int inRow = 0;
    for (const auto& [x, py] : lit) inRow += py == y;
    EXPECT_EQ(inRow, 2) << "row " << y;
  }
  EXPECT_TRUE(lit.count({40, 10}));
  EXPECT_TRUE(lit.count({41, 30}));
}

// Every pixel of a diagonal line lies within one pixel of the ideal line,
// and the line is unbroken: each step moves at most one pixel each way.
TEST(DrawSegment, DiagonalLineFollowsTheIdealLine) {
  Canvas canvas;
  DrawSegment(canvas, 330, 30, 392, 150, kWhite);
  const auto lit = LitPixels(canvas);
  ASSERT_FALSE(lit.empty());
  for (const auto& [x, y] : lit) {
    const double t = (y - 30) / 120.0;
    const double ideal = 330 + t * 62;
    EXPECT_LE(std::abs(x - ideal), 2.0) << x << "," << y;
  }
  for (int y = 30; y <= 150; ++y) {
    bool any = false;
    for (const auto& [x, py] : lit) any |= py == y;
    EXPECT_TRUE(any) << "gap at row " << y;
  }
}

TEST(DrawSegment, PointSegmentDrawsItsPixel) {
  Canvas canvas;
  DrawSegment(canvas, 511, 511, 511, 511, kWhite);
  EXPECT_EQ(canvas.GetPixel(511, 511), kWhite);
}

}  // namespace
}  // namespace voka
