// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/whole_star_image.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "fourier/huge_pages.h"
#include "psf/complex_padded_transform.h"
#include "psf/intensity_run.h"
#include "threads/thread_budget.h"

namespace voka::psf {

namespace {

using Sums = IntensitySums;

// Writes |field|² of each finished column block into the image. Transform
// index k, row or column, is frequency k, or k - side past the middle, and
// lands at (k + centreIndex) mod side: each column is written in two runs,
// and the column itself moves by the same rule. The sums are kept per block
// and added in the blocks' order, so that the total does not depend on which
// worker made which block, or how many there were.
class WholeImageSink {
 public:
  WholeImageSink(StarImage& image, double unit)
      : image_(image),
        unit_(unit),
        sums_(static_cast<std::size_t>(FieldSpectrumBlockCount(image.paddedSide))) {}

  void operator()(const fourier::SpectrumColumns& block) {
    const int side = image_.paddedSide;
    const int firstRunLength = side - image_.centreIndex;
    Sums& sums = sums_[static_cast<std::size_t>(block.index)];
    for (int c = 0; c < block.columnCount; ++c) {
      const fftw_complex* values = block.values + static_cast<std::size_t>(c) * block.columnStride;
      const int imageColumn = (block.firstColumn + c + image_.centreIndex) % side;
      double* column = image_.intensity.data() + static_cast<std::size_t>(imageColumn) * side;
      const Sums bottom = WriteRun(values, firstRunLength, column + image_.centreIndex);
      const Sums top = WriteRun(values + firstRunLength, side - firstRunLength, column);
      sums.total += bottom.total + top.total;
      sums.peak = std::max({sums.peak, bottom.peak, top.peak});
    }
  }

  Sums Total() const { return Combined(sums_); }

 private:
  Sums WriteRun(const fftw_complex* values, int length, double* out) const {
    return WriteIntensityRun(values, length, unit_, out);
  }

  StarImage& image_;
  const double unit_;
  std::vector<Sums> sums_;
};

}  // namespace

bool FillWholeStarImage(const PupilField& pupil, StarImage& image, const PsfProgress& progress) {
  image.wholeGrid = true;
  const std::size_t stored = static_cast<std::size_t>(image.paddedSide) * image.paddedSide;
  image.intensity.reserve(stored);
  fourier::AdviseHugePages(image.intensity.data(), stored * sizeof(double));
  // Touched here in order, once: the sink's writes run down the columns, and
  // first touches scattered that way cost far more than the zeros.
  image.intensity.assign(stored, 0.0);

  WholeImageSink sink(image, 1.0 / ClearAperturePeak(pupil.side));
  const bool finished = TransformPaddedField(
      pupil, image.settings.wavelengthNm, image.paddedSide, threads::ThreadBudget(),
      [&sink](int, const fourier::SpectrumColumns& block) { sink(block); }, progress);
  if (!finished) return false;
  const Sums sums = sink.Total();
  image.totalIntensity = sums.total;
  image.peakIntensity = sums.peak;
  return true;
}

}  // namespace voka::psf
