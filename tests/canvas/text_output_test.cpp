// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "canvas/canvas.h"

namespace voka {
namespace {

constexpr ColourValue kBand = kDarkBlue;

TEST(TextOutput, CaptionIsOnlyTextAndBackgroundAndStaysAboveThePictures) {
  Canvas canvas;
  FillBox(canvas, 0, 0, 400, 155, kBand);
  canvas.SetTextColour(kWhite);
  canvas.SetTextBackground(kBand);
  canvas.TextOutput(7, 5, "開口率  136.59％");
  canvas.TextOutput(136, 5, "２次元ＦＦＴ画像");
  canvas.TextOutput(270, 5, "中心強度=    1.00");

  int textPixels = 0;
  for (int y = 0; y < Canvas::kSize; ++y)
    for (int x = 0; x < Canvas::kSize; ++x) {
      const ColourValue pixel = canvas.GetPixel(x, y);
      if (pixel == kWhite) {
        ++textPixels;
        EXPECT_GE(y, 5) << x;
        EXPECT_LT(y, 25) << "caption reaches the pictures at " << x << "," << y;
      } else {
        ASSERT_TRUE(pixel == kBand || pixel == kBlack)
            << "blended pixel " << std::hex << pixel << " at " << std::dec << x << "," << y;
      }
    }
  // Three captions of Japanese text light a good number of pixels; a missing
  // font would draw nothing or boxes of a few pixels each.
  EXPECT_GT(textPixels, 300);
}

TEST(TextOutput, CellsAreFilledWithTheBackgroundAtTheGivenCorner) {
  Canvas canvas;
  canvas.SetTextColour(kBlack);
  canvas.SetTextBackground(kWhite);
  canvas.TextOutput(100, 200, "FFT");
  EXPECT_EQ(canvas.GetPixel(100, 200), kWhite) << "top-left corner of the first cell";
  EXPECT_EQ(canvas.GetPixel(99, 200), kBlack);
  EXPECT_EQ(canvas.GetPixel(100, 199), kBlack);
  std::set<ColourValue> colours;
  for (int y = 200; y < 215; ++y)
    for (int x = 100; x < 118; ++x) colours.insert(canvas.GetPixel(x, y));
  EXPECT_TRUE(colours.count(kBlack)) << "no glyph pixels drawn";
}

TEST(TextOutput, ColoursPersistUntilSetAgain) {
  Canvas canvas;
  canvas.SetTextColour(kWhite);
  canvas.SetTextBackground(kDarkBlue);
  canvas.TextOutput(0, 0, "A");
  FillBox(canvas, 0, 0, 50, 50, Grey(3));
  DrawSegment(canvas, 0, 0, 30, 30, Grey(9));
  canvas.TextOutput(0, 100, "B");
  EXPECT_EQ(canvas.TextColour(), kWhite);
  EXPECT_EQ(canvas.TextBackground(), kDarkBlue);
  EXPECT_EQ(canvas.GetPixel(0, 100), kDarkBlue);
}

TEST(TextOutput, ClippedAtTheEdges) {
  Canvas canvas;
  canvas.SetTextColour(kWhite);
  canvas.SetTextBackground(kDarkBlue);
  canvas.TextOutput(505, 505, "中心強度");
  canvas.TextOutput(-30, -8, "中心強度");
  EXPECT_EQ(canvas.GetPixel(511, 511), kDarkBlue);
  EXPECT_NE(canvas.GetPixel(0, 0), kBlack);
}

}  // namespace
}  // namespace voka
