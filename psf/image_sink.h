// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "fourier/padded_transform.h"
#include "psf/star_image.h"

namespace voka::psf {

// Where a column of the spectrum (frequency index, transform order) is
// stored in the image, and how many columns of the whole grid it stands for
// in the total (2 for a stored column that also stands for its mirror).
struct ColumnPlace {
  int storedColumn = 0;
  int columnsInTotal = 1;
};
using ColumnPlacer = std::function<ColumnPlace(int frequencyColumn)>;

// Sizes the image's intensity for `storedColumns` whole columns and touches
// it once, in order: the sink's writes run down the columns, and first
// touches scattered that way cost far more than the zeros.
void PrepareIntensity(StarImage& image, int storedColumns);

// Writes |field|² · unit of each finished column block into the image. Row
// k of a transformed column is frequency k, or k - side past the middle, and
// lands centreIndex rows below the top, so each column goes in two runs. The
// sums are kept per block and added in the blocks' order, so that the total
// is the same to the last bit whichever worker made which block, and however
// many there were.
class ImageSink {
 public:
  ImageSink(StarImage& image, double unit, int blockCount, ColumnPlacer place);

  void operator()(const fourier::SpectrumColumns& block);

  // The image's total and peak from the blocks' sums.
  void Finish() const;

 private:
  struct Sums {
    double total = 0.0;
    double peak = 0.0;
  };
  Sums WriteRun(const fftw_complex* values, int length, double* out) const;

  StarImage& image_;
  const double unit_;
  const ColumnPlacer place_;
  std::vector<Sums> sums_;
};

}  // namespace voka::psf
