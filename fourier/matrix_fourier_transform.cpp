// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/matrix_fourier_transform.h"

#include <cblas.h>

#include <cmath>
#include <cstddef>
#include <numbers>
#include <type_traits>

#include "fourier/blas_threads.h"

namespace voka::fourier {

namespace {

const char* RefusalText(MatrixFourierRefusal reason) {
  switch (reason) {
    case MatrixFourierRefusal::kNone:
      break;
    case MatrixFourierRefusal::kPupilSide:
      return "matrix Fourier transform: pupil side out of range";
    case MatrixFourierRefusal::kOutputSide:
      return "matrix Fourier transform: output side out of range";
    case MatrixFourierRefusal::kStep:
      return "matrix Fourier transform: step not positive and finite";
    case MatrixFourierRefusal::kCentre:
      return "matrix Fourier transform: centre not finite";
  }
  return "matrix Fourier transform: no refusal";
}

// Pupil coordinates from the grid's middle keep the kernel's phases small.
double CentredCoordinate(int index, int side) {
  return index - (side - 1) / 2.0;
}

// kernel[p * count + k] = exp(-2πi f_k p / side) for pupil index p and
// frequency f_k = firstFrequency + k step in λ/D. The phases are reckoned in
// double whatever the kernel's precision.
template <typename Real>
std::vector<std::complex<Real>> FourierKernel(int side, int count, double firstFrequency,
                                              double step) {
  std::vector<std::complex<Real>> kernel(static_cast<std::size_t>(side) * count);
  for (int p = 0; p < side; ++p) {
    const double position = CentredCoordinate(p, side);
    for (int k = 0; k < count; ++k) {
      const double phase = -2.0 * std::numbers::pi * (firstFrequency + k * step) * position / side;
      kernel[static_cast<std::size_t>(p) * count + k] = std::complex<Real>(std::polar(1.0, phase));
    }
  }
  return kernel;
}

// C (m x n) = A (m x k) · B (k x n), all row-major and real.
void RealProduct(int m, int n, int k, const double* a, const double* b, double* c) {
  cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, m, n, k, 1.0, a, k, b, n, 0.0, c, n);
}
void RealProduct(int m, int n, int k, const float* a, const float* b, float* c) {
  cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, m, n, k, 1.0f, a, k, b, n, 0.0f, c, n);
}

// C (m x n) = op(A) · B (k x n), complex, row-major; op(A) is A (m x k) or,
// transposed, the transpose of A (k x m).
template <typename Real>
void ComplexProduct(bool transposeA, int m, int n, int k, const std::complex<Real>* a,
                    const std::complex<Real>* b, std::complex<Real>* c) {
  const std::complex<Real> one(1, 0);
  const std::complex<Real> zero(0, 0);
  const CBLAS_TRANSPOSE op = transposeA ? CblasTrans : CblasNoTrans;
  const int lda = transposeA ? m : k;
  if constexpr (std::is_same_v<Real, double>) {
    cblas_zgemm(CblasRowMajor, op, CblasNoTrans, m, n, k, &one, a, lda, b, n, &zero, c, n);
  } else {
    cblas_cgemm(CblasRowMajor, op, CblasNoTrans, m, n, k, &one, a, lda, b, n, &zero, c, n);
  }
}

void CheckLength(std::size_t length, int side) {
  if (length != static_cast<std::size_t>(side) * side) {
    throw std::invalid_argument("matrix Fourier transform: pupil of the wrong size");
  }
}

}  // namespace

MatrixFourierRefusal CheckMatrixFourierPlan(int pupilSide, const MatrixFourierOutput& output) {
  if (pupilSide < 1 || pupilSide > kMaximumMatrixFourierSide)
    return MatrixFourierRefusal::kPupilSide;
  if (output.side < 1 || output.side > kMaximumMatrixFourierSide) {
    return MatrixFourierRefusal::kOutputSide;
  }
  if (!std::isfinite(output.stepLambdaOverD) || output.stepLambdaOverD <= 0.0) {
    return MatrixFourierRefusal::kStep;
  }
  const double reach = output.side * output.stepLambdaOverD;
  if (!std::isfinite(std::abs(output.centreXLambdaOverD) + reach) ||
      !std::isfinite(std::abs(output.centreYLambdaOverD) + reach)) {
    return MatrixFourierRefusal::kCentre;
  }
  return MatrixFourierRefusal::kNone;
}

MatrixFourierPlanRefused::MatrixFourierPlanRefused(MatrixFourierRefusal reason)
    : std::invalid_argument(RefusalText(reason)), reason_(reason) {}

template <typename Real>
MatrixFourierTransform<Real>::MatrixFourierTransform(int pupilSide,
                                                     const MatrixFourierOutput& output)
    : pupilSide_(pupilSide), output_(output) {
  const MatrixFourierRefusal refusal = CheckMatrixFourierPlan(pupilSide, output);
  if (refusal != MatrixFourierRefusal::kNone) throw MatrixFourierPlanRefused(refusal);
  const double step = output.stepLambdaOverD;
  const double halfSpan = (output.side - 1) / 2.0 * step;
  // Columns run toward +x; rows run toward -y, which is the pupil rows' own
  // direction, so a row's frequency is minus its y frequency.
  const double firstColumn = output.centreXLambdaOverD - halfSpan;
  const double firstRow = -output.centreYLambdaOverD - halfSpan;
  columnKernel_ = FourierKernel<Real>(pupilSide, output.side, firstColumn, step);
  // A window centred on the axes' diagonal, the usual zoom, needs one kernel.
  if (firstRow != firstColumn) {
    rowKernel_ = FourierKernel<Real>(pupilSide, output.side, firstRow, step);
  }
}

template <typename Real>
std::vector<std::complex<Real>> MatrixFourierTransform<Real>::RowProduct(
    const std::vector<Complex>& partial) const {
  // The row kernel transposed (count x side) times the partial (side x count).
  const int count = output_.side;
  std::vector<Complex> field(static_cast<std::size_t>(count) * count);
  ComplexProduct<Real>(true, count, count, pupilSide_, RowKernel().data(), partial.data(),
                       field.data());
  return field;
}

template <typename Real>
std::vector<std::complex<Real>> MatrixFourierTransform<Real>::Apply(
    std::span<const Real> amplitude) const {
  CheckLength(amplitude.size(), pupilSide_);
  UseThreadBudgetForBlas();
  const int count = output_.side;
  // The real pupil (side x side) times the column kernel read as a real
  // matrix of interleaved real and imaginary parts (side x 2·count): the
  // result is the complex side x count partial, interleaved the same way.
  std::vector<Complex> partial(static_cast<std::size_t>(pupilSide_) * count);
  RealProduct(pupilSide_, 2 * count, pupilSide_, amplitude.data(),
              reinterpret_cast<const Real*>(columnKernel_.data()),
              reinterpret_cast<Real*>(partial.data()));
  return RowProduct(partial);
}

template <typename Real>
std::vector<std::complex<Real>> MatrixFourierTransform<Real>::Apply(
    std::span<const Complex> field) const {
  CheckLength(field.size(), pupilSide_);
  UseThreadBudgetForBlas();
  const int count = output_.side;
  std::vector<Complex> partial(static_cast<std::size_t>(pupilSide_) * count);
  ComplexProduct<Real>(false, pupilSide_, count, pupilSide_, field.data(), columnKernel_.data(),
                       partial.data());
  return RowProduct(partial);
}

template class MatrixFourierTransform<double>;
template class MatrixFourierTransform<float>;

}  // namespace voka::fourier
