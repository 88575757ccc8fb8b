#include "analysis/pupil_sampling.h"

#include <cassert>

#include "dib/dib_draw.h"
#include "dib/dib_palette.h"
#include "dib/dib_whole_image.h"

namespace voka {

namespace {

constexpr int kBandWidth = 400;
constexpr int kBandHeight = 155;

double ReadBack(const Canvas& canvas, DoubleGrid grid) {
  double sum = 0.0;
  for (int y = 0; y < kGridSize; ++y) {
    for (int x = 0; x < kGridSize; ++x) {
      const ColourValue value = canvas.GetPixel(x, y);
      grid[x][y] = static_cast<double>(RedOf(value));
      sum = sum + value / kPupilSumDivisor;
    }
  }
  return sum;
}

}  // namespace

double SamplePupil(Canvas& canvas, const DibHandle& pupil, int thumbWidth, int thumbHeight,
                   DoubleGrid grid) {
  assert(pupil && "the caller checks that an image is open");
  const DibRect source = DibWholeImage(pupil);
  Palette palette;
  DibMakePalette(pupil, palette);
  DibDraw(canvas, DibRect{0, 0, kGridSize, kGridSize}, pupil, source, &palette);

  const double pupilSum = ReadBack(canvas, grid);

  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, kBlack);
  FillBox(canvas, 0, 0, kBandWidth, kBandHeight, kDarkBlue);
  const DibRect thumbnail{kBandThumbnailLeft, kBandThumbnailTop, kBandThumbnailLeft + thumbWidth,
                          kBandThumbnailTop + thumbHeight};
  DibDraw(canvas, thumbnail, pupil, source, &palette);
  return pupilSum;
}

}  // namespace voka
