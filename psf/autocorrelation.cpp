#include "psf/autocorrelation.h"

#include <cmath>
#include <cstddef>
#include <new>
#include <numbers>
#include <vector>

#include "psf/huge_pages.h"

namespace voka::psf {

namespace {

constexpr int kRadialMeanDirections = 360;

}  // namespace

Autocorrelation::Autocorrelation(const StarImage& image) {
  const int step = image.padFactor % 2 == 0 ? image.padFactor / 2 : 1;
  side_ = image.paddedSide / step;
  std::vector<double> samples;
  samples.reserve(static_cast<std::size_t>(side_) * side_);
  AdviseHugePages(samples.data(), samples.capacity() * sizeof(double));
  samples.resize(static_cast<std::size_t>(side_) * side_);
  const int half = side_ / 2;
  for (int j = 0; j < side_; ++j) {
    // Frequency index j - half, stored in transform order (zero first).
    const int row = image.centreIndex + (j - half) * step;
    const std::size_t to = static_cast<std::size_t>((j - half + side_) % side_) * side_;
    for (int i = 0; i < side_; ++i) {
      const int column = image.centreIndex + (i - half) * step;
      samples[to + static_cast<std::size_t>((i - half + side_) % side_)] = image.At(row, column);
    }
  }
  halfWidth_ = side_ / 2 + 1;
  values_ = AllocateComplex(static_cast<std::size_t>(side_) * halfWidth_);
  if (!values_) throw std::bad_alloc();
  AdviseHugePages(values_.get(),
                  static_cast<std::size_t>(side_) * halfWidth_ * sizeof(fftw_complex));
  const PlanHandle plan = PlanRealToComplex(side_, samples.data(), values_.get());
  if (!plan) throw std::bad_alloc();
  fftw_execute(plan.get());
  // The zero shift holds the image's total, which is never zero for a
  // pupil with any opening.
  atZero_ = values_[0][0];
}

double Autocorrelation::AtWhole(int rowShift, int columnShift, Part part) const {
  // An autocorrelation is symmetric through the origin, which gives the
  // half the real transform leaves out.
  if (columnShift < 0) {
    rowShift = -rowShift;
    columnShift = -columnShift;
  }
  if (columnShift >= halfWidth_ || std::abs(rowShift) >= side_ / 2) return 0.0;
  const fftw_complex& value =
      values_[static_cast<std::size_t>((rowShift + side_) % side_) * halfWidth_ + columnShift];
  return (part == kModulus ? std::hypot(value[0], value[1]) : value[0]) / atZero_;
}

double Autocorrelation::At(double rowShift, double columnShift, Part part) const {
  const double row0 = std::floor(rowShift);
  const double column0 = std::floor(columnShift);
  const double tRow = rowShift - row0;
  const double tColumn = columnShift - column0;
  const int r = static_cast<int>(row0);
  const int c = static_cast<int>(column0);
  return (1 - tRow) * ((1 - tColumn) * AtWhole(r, c, part) + tColumn * AtWhole(r, c + 1, part)) +
         tRow * ((1 - tColumn) * AtWhole(r + 1, c, part) + tColumn * AtWhole(r + 1, c + 1, part));
}

double Autocorrelation::Along(double shiftPixels, double angleDeg, Part part) const {
  const double angle = angleDeg * std::numbers::pi / 180.0;
  return At(-shiftPixels * std::sin(angle), shiftPixels * std::cos(angle), part);
}

double Autocorrelation::RadialMean(double shiftPixels, Part part) const {
  // Half a turn covers every direction: the autocorrelation is symmetric
  // through the origin.
  double sum = 0.0;
  for (int k = 0; k < kRadialMeanDirections; ++k) {
    sum += Along(shiftPixels, 180.0 * k / kRadialMeanDirections, part);
  }
  return sum / kRadialMeanDirections;
}

}  // namespace voka::psf
