#include "psf/zoomed_image.h"

#include <cblas.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>

#include "psf/star_image.h"

namespace voka::psf {

namespace {

using Complex = std::complex<double>;

// Pupil coordinates from the grid's middle keep the kernel's phases small.
double CentredCoordinate(int index, int side) {
  return index - (side - 1) / 2.0;
}

// kernel[p * count + k] = exp(-2πi f_k p / side) for pupil index p and
// frequency f_k in λ/D (cycles across the aperture).
std::vector<Complex> FourierKernel(int side, int count, double firstFrequency, double step) {
  std::vector<Complex> kernel(static_cast<std::size_t>(side) * count);
  for (int p = 0; p < side; ++p) {
    const double position = CentredCoordinate(p, side);
    for (int k = 0; k < count; ++k) {
      const double phase = -2.0 * std::numbers::pi * (firstFrequency + k * step) * position / side;
      kernel[static_cast<std::size_t>(p) * count + k] = std::polar(1.0, phase);
    }
  }
  return kernel;
}

}  // namespace

int ZoomWindow::Side() const {
  if (!std::isfinite(halfWidthLambdaOverD) || !std::isfinite(stepLambdaOverD) ||
      halfWidthLambdaOverD <= 0.0 || stepLambdaOverD <= 0.0) {
    return 0;
  }
  const double halfCount = std::round(halfWidthLambdaOverD / stepLambdaOverD);
  if (!(halfCount <= kMaximumZoomSide)) return 0;
  return 2 * static_cast<int>(halfCount) + 1;
}

ZoomedImage ComputeZoomedImage(const PupilAmplitude& pupil, const ZoomWindow& window) {
  const int count = window.Side();
  if (count <= 0 || count > kMaximumZoomSide || pupil.side <= 0 ||
      !std::isfinite(window.centreXLambdaOverD) || !std::isfinite(window.centreYLambdaOverD)) {
    return {};
  }
  const int side = pupil.side;
  const int halfCount = count / 2;
  const double step = window.stepLambdaOverD;
  // Columns run toward +x; rows run toward -y, which is the pupil rows'
  // own direction, so a row's frequency is minus its y frequency.
  const std::vector<Complex> columnKernel =
      FourierKernel(side, count, window.centreXLambdaOverD - halfCount * step, step);
  const std::vector<Complex> rowKernel =
      FourierKernel(side, count, -window.centreYLambdaOverD - halfCount * step, step);

  // First product: the real pupil (side x side) times the column kernel
  // (side x count), as a real matrix times the kernel's interleaved real and
  // imaginary parts (side x 2·count).
  std::vector<double> partial(static_cast<std::size_t>(side) * 2 * count);
  cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, side, 2 * count, side, 1.0,
              pupil.amplitude.data(), side, reinterpret_cast<const double*>(columnKernel.data()),
              2 * count, 0.0, partial.data(), 2 * count);
  // Second: the row kernel transposed (count x side) times that (side x count).
  std::vector<Complex> field(static_cast<std::size_t>(count) * count);
  const Complex one(1.0, 0.0);
  const Complex zero(0.0, 0.0);
  cblas_zgemm(CblasRowMajor, CblasTrans, CblasNoTrans, count, count, side, &one, rowKernel.data(),
              count, partial.data(), count, &zero, field.data(), count);

  ZoomedImage zoomed;
  zoomed.side = count;
  zoomed.window = window;
  zoomed.intensity.resize(field.size());
  const double unit = 1.0 / ClearAperturePeak(side);
  for (std::size_t i = 0; i < field.size(); ++i) zoomed.intensity[i] = std::norm(field[i]) * unit;
  return zoomed;
}

}  // namespace voka::psf
