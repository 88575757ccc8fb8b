// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/pupil_sampling.h"

#include <cassert>

#include "canvas/canvas.h"
#include "dib/dib_draw.h"
#include "dib/dib_palette.h"

namespace voka {

namespace {

// One grid cell per canvas pixel: the canvas is the resampler.
static_assert(kGridSize == Canvas::kSize);

constexpr int kBandWidth = 400;
constexpr int kBandHeight = 155;

// The sum runs in scan order, rows top to bottom, as its rounding depends
// on the order.
double SumWholeColours(const Canvas& canvas) {
  double sum = 0.0;
  for (int y = 0; y < kGridSize; ++y) {
    const ColourValue* row = canvas.Row(y);
    for (int x = 0; x < kGridSize; ++x) sum = sum + row[x] / kPupilSumDivisor;
  }
  return sum;
}

// grid[x][y] := the red byte of pixel (x, y). A grid row is a canvas column,
// so the canvas is read a strip of columns at a time to keep both in cache.
void ReadRedBytes(const Canvas& canvas, DoubleGrid grid) {
  constexpr int kStrip = 8;
  static_assert(kGridSize % kStrip == 0);
  for (int left = 0; left < kGridSize; left += kStrip) {
    for (int y = 0; y < kGridSize; ++y) {
      const ColourValue* row = canvas.Row(y) + left;
      for (int dx = 0; dx < kStrip; ++dx) grid[left + dx][y] = static_cast<double>(RedOf(row[dx]));
    }
  }
}

}  // namespace

double SamplePupil(Canvas& canvas, const DibHandle& pupil, int thumbWidth, int thumbHeight,
                   DoubleGrid grid) {
  assert(pupil && "the caller checks that an image is open");
  const DibRect source = DibWholeImage(pupil);
  Palette palette;
  DibMakePalette(pupil, palette);
  // A compressed bitmap may skip pixels; they must sample as black, not as
  // whatever the last command drew there, or two runs would differ.
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, kBlack);
  DibDraw(canvas, DibRect{0, 0, kGridSize, kGridSize}, pupil, source, &palette);

  const double pupilSum = SumWholeColours(canvas);
  ReadRedBytes(canvas, grid);

  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, kBlack);
  FillBox(canvas, 0, 0, kBandWidth, kBandHeight, kDarkBlue);
  const DibRect thumbnail{kBandThumbnailLeft, kBandThumbnailTop, kBandThumbnailLeft + thumbWidth,
                          kBandThumbnailTop + thumbHeight};
  DibDraw(canvas, thumbnail, pupil, source, &palette);
  return pupilSum;
}

}  // namespace voka
