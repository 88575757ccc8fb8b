// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/image_sink.h"

#include <algorithm>
#include <cstddef>

#include "fourier/huge_pages.h"

namespace voka::psf {

void PrepareIntensity(StarImage& image, int storedColumns) {
  const std::size_t stored = static_cast<std::size_t>(image.paddedSide) * storedColumns;
  image.intensity.reserve(stored);
  fourier::AdviseHugePages(image.intensity.data(), stored * sizeof(double));
  image.intensity.assign(stored, 0.0);
}

ImageSink::ImageSink(StarImage& image, double unit, int blockCount, ColumnPlacer place)
    : image_(image),
      unit_(unit),
      place_(std::move(place)),
      sums_(static_cast<std::size_t>(blockCount)) {}

void ImageSink::operator()(const fourier::SpectrumColumns& block) {
  const int side = image_.paddedSide;
  const int firstRunLength = side - image_.centreIndex;
  Sums& sums = sums_[static_cast<std::size_t>(block.index)];
  for (int c = 0; c < block.columnCount; ++c) {
    const fftw_complex* values = block.values + static_cast<std::size_t>(c) * block.columnStride;
    const ColumnPlace place = place_(block.firstColumn + c);
    double* column = image_.intensity.data() + static_cast<std::size_t>(place.storedColumn) * side;
    const Sums bottom = WriteRun(values, firstRunLength, column + image_.centreIndex);
    const Sums top = WriteRun(values + firstRunLength, side - firstRunLength, column);
    sums.total += (bottom.total + top.total) * place.columnsInTotal;
    sums.peak = std::max({sums.peak, bottom.peak, top.peak});
  }
}

void ImageSink::Finish() const {
  double total = 0.0;
  double peak = 0.0;
  for (const Sums& part : sums_) {
    total += part.total;
    peak = std::max(peak, part.peak);
  }
  image_.totalIntensity = total;
  image_.peakIntensity = peak;
}

ImageSink::Sums ImageSink::WriteRun(const fftw_complex* values, int length, double* out) const {
  Sums run;
  for (int k = 0; k < length; ++k) {
    const double intensity = (values[k][0] * values[k][0] + values[k][1] * values[k][1]) * unit_;
    out[k] = intensity;
    run.total += intensity;
    run.peak = std::max(run.peak, intensity);
  }
  return run;
}

}  // namespace voka::psf
