// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/autocorrelation.h"

#include <cmath>
#include <cstddef>
#include <new>
#include <numbers>

#include "fourier/huge_pages.h"

namespace voka::psf {

namespace {

constexpr int kRadialMeanDirections = 360;

// Sample index to frequency: the first half are 0, 1, ..., the rest
// negative, as a transform orders them.
int FrequencyOf(int index, int side) {
  return index < side - side / 2 ? index : index - side;
}

// Between whole shifts, bilinear in the values that atWhole(row, column)
// reads.
template <typename AtWholeShift>
double Bilinear(double rowShift, double columnShift, AtWholeShift atWhole) {
  const double row0 = std::floor(rowShift);
  const double column0 = std::floor(columnShift);
  const double tRow = rowShift - row0;
  const double tColumn = columnShift - column0;
  const int r = static_cast<int>(row0);
  const int c = static_cast<int>(column0);
  return (1 - tRow) * ((1 - tColumn) * atWhole(r, c) + tColumn * atWhole(r, c + 1)) +
         tRow * ((1 - tColumn) * atWhole(r + 1, c) + tColumn * atWhole(r + 1, c + 1));
}

}  // namespace

Autocorrelation::Autocorrelation(const StarImage& image) {
  const int step = image.padFactor % 2 == 0 ? image.padFactor / 2 : 1;
  side_ = image.paddedSide / step;
  rowLength_ = 2 * (side_ / 2 + 1);
  const std::size_t doubles = static_cast<std::size_t>(side_) * rowLength_;
  values_ = fourier::AllocateFftw<double>(doubles);
  if (!values_) throw std::bad_alloc();
  fourier::AdviseHugePages(values_.get(), doubles * sizeof(double));
  complex_ = image.wholeGrid;
  const fourier::PlanHandle plan = complex_
                                       ? fourier::PlanRealToComplexInPlace(side_, values_.get())
                                       : fourier::PlanComplexToRealInPlace(
                                             side_, reinterpret_cast<fftw_complex*>(values_.get()));
  if (!plan) throw std::bad_alloc();
  if (complex_) {
    FillAllSamples(image, step);
  } else {
    FillHalfSamples(image, step);
  }
  fftw_execute(plan.get());
  // The zero shift holds the samples' total, which is never zero for a
  // pupil with any opening.
  atZero_ = values_[0];
}

// Row a of the transform's input holds the samples of column frequency a
// (the samples transposed, which transposes the result), for row
// frequencies 0 .. side_/2: a symmetric input needs only that half. Each
// row is read down one stored column of the image.
void Autocorrelation::FillHalfSamples(const StarImage& image, int step) {
  const int halfCount = side_ / 2 + 1;
  for (int a = 0; a < side_; ++a) {
    const int column = image.centreIndex + FrequencyOf(a, side_) * step;
    double* row = values_.get() + static_cast<std::size_t>(a) * rowLength_;
    for (int b = 0; b < halfCount; ++b) {
      // On an even grid b = side_/2 is the frequency -side_/2, the top row.
      const int frequencyY = 2 * b == side_ ? -b : b;
      row[2 * b] = image.At(image.centreIndex + frequencyY * step, column);
      row[2 * b + 1] = 0.0;
    }
  }
}

// Row a holds the samples of column frequency a, as in FillHalfSamples, but
// for every row frequency: the real input of a real-to-complex transform.
void Autocorrelation::FillAllSamples(const StarImage& image, int step) {
  for (int a = 0; a < side_; ++a) {
    const int column = image.centreIndex + FrequencyOf(a, side_) * step;
    double* row = values_.get() + static_cast<std::size_t>(a) * rowLength_;
    for (int b = 0; b < side_; ++b) {
      row[b] = image.At(image.centreIndex + FrequencyOf(b, side_) * step, column);
    }
  }
}

// Only non-negative row shifts are stored; the value at (-r, -c) has the
// same modulus and real part.
double Autocorrelation::ComplexAtWhole(int rowShift, int columnShift, Part part) const {
  const int limit = side_ / 2;
  if (std::abs(rowShift) >= limit || std::abs(columnShift) >= limit) return 0.0;
  if (rowShift < 0) {
    rowShift = -rowShift;
    columnShift = -columnShift;
  }
  const double* value = values_.get() +
                        static_cast<std::size_t>((columnShift + side_) % side_) * rowLength_ +
                        2 * static_cast<std::size_t>(rowShift);
  const double real = value[0] / atZero_;
  return part == kModulus ? std::hypot(real, value[1] / atZero_) : real;
}

double Autocorrelation::AtWhole(int rowShift, int columnShift, Part part) const {
  const int limit = side_ / 2;
  if (std::abs(rowShift) >= limit || std::abs(columnShift) >= limit) return 0.0;
  const double value =
      values_[static_cast<std::size_t>((columnShift + side_) % side_) * rowLength_ +
              static_cast<std::size_t>((rowShift + side_) % side_)] /
      atZero_;
  return part == kModulus ? std::abs(value) : value;
}

double Autocorrelation::At(double rowShift, double columnShift, Part part) const {
  // One branch per call, outside the interpolation, keeps the real reads
  // as they were.
  if (complex_) {
    return Bilinear(rowShift, columnShift,
                    [this, part](int r, int c) { return ComplexAtWhole(r, c, part); });
  }
  return Bilinear(rowShift, columnShift,
                  [this, part](int r, int c) { return AtWhole(r, c, part); });
}

double Autocorrelation::Along(double shiftPixels, double angleDeg, Part part) const {
  const double angle = angleDeg * std::numbers::pi / 180.0;
  return At(-shiftPixels * std::sin(angle), shiftPixels * std::cos(angle), part);
}

double Autocorrelation::RadialMean(double shiftPixels, Part part) const {
  // Half a turn covers every direction: the autocorrelation's modulus and
  // real part are symmetric through the origin.
  double sum = 0.0;
  for (int k = 0; k < kRadialMeanDirections; ++k) {
    sum += Along(shiftPixels, 180.0 * k / kRadialMeanDirections, part);
  }
  return sum / kRadialMeanDirections;
}

}  // namespace voka::psf
