// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <span>
#include <stdexcept>
#include <vector>

namespace voka::fourier {

// The largest side of either grid: every matrix dimension, and twice it (a
// complex matrix read as real), stays far inside the BLAS's int.
constexpr int kMaximumMatrixFourierSide = 16384;

// Where the far field is sampled: a square of `side` pixels, each
// stepLambdaOverD wide, centred on (centreXLambdaOverD, centreYLambdaOverD)
// from the zero frequency, +x right and +y up. Pixel (row, column) lies at
// x = centreX + (column - (side - 1)/2) step, y = centreY - (row - (side - 1)/2)
// step: rows run top first, as the pupil's do.
struct MatrixFourierOutput {
  int side = 0;
  double stepLambdaOverD = 0.0;
  double centreXLambdaOverD = 0.0;
  double centreYLambdaOverD = 0.0;
};

// Why a plan cannot be made.
enum class MatrixFourierRefusal {
  kNone,
  kPupilSide,   // not 1 .. kMaximumMatrixFourierSide
  kOutputSide,  // not 1 .. kMaximumMatrixFourierSide
  kStep,        // not positive and finite
  kCentre,      // not finite, or the farthest pixel is not
};

MatrixFourierRefusal CheckMatrixFourierPlan(int pupilSide, const MatrixFourierOutput& output);

// Thrown by a plan's constructor for grids that CheckMatrixFourierPlan refuses.
class MatrixFourierPlanRefused : public std::invalid_argument {
 public:
  explicit MatrixFourierPlanRefused(MatrixFourierRefusal reason);
  MatrixFourierRefusal Reason() const { return reason_; }

 private:
  MatrixFourierRefusal reason_;
};

// The far field of a square pupil at any sampling and over any window, as two
// matrix products with precomputed Fourier kernels: E = Ky^T · P · Kx, where
// Kx[p][k] = exp(-2πi f_k x_p), x_p the pupil column's position in
// diameters, f_k the pixel's frequency in λ/D (cycles across the aperture),
// and Ky likewise down the rows. This is the matrix Fourier transform of
// Soummer, Pueyo, Sivaramakrishnan and Vanderbei, "Fast computation of
// Lyot-style coronagraph propagation", Optics Express 15, 15935 (2007): unlike
// a padded FFT, its cost follows the pixels wanted, not the sampling.
//
// Sign: E(θ) = Σ P(x) exp(-2πi x·θ/λ), with the field P = A exp(2πi W/λ) for
// an optical path difference W; a path difference growing toward +x (a tilt)
// moves the image toward +x.
//
// The pupil grid's side spans the diameter; sample p lies at (p - (N-1)/2)/N
// diameters from the middle, rows top first (y decreasing). The grids are
// checked and the kernels made once, in the constructor; every call after
// that is two products on the thread budget's threads (OpenBLAS). A plan
// is not changed by its calls, so one plan serves several threads.
// Real = double for the workbench, float for views where single precision is
// enough and twice as fast.
template <typename Real>
class MatrixFourierTransform {
 public:
  using Complex = std::complex<Real>;

  // Throws MatrixFourierPlanRefused for refused grids, std::bad_alloc when
  // the kernels do not fit in memory.
  MatrixFourierTransform(int pupilSide, const MatrixFourierOutput& output);

  int PupilSide() const { return pupilSide_; }
  const MatrixFourierOutput& Output() const { return output_; }

  // The field of a real pupil (pupilSide² amplitudes, row-major, top row
  // first): output.side² values, row-major, top row first. Its first product
  // is real, half the work of a complex one.
  std::vector<Complex> Apply(std::span<const Real> amplitude) const;
  // The same for a complex pupil field.
  std::vector<Complex> Apply(std::span<const Complex> field) const;

 private:
  const std::vector<Complex>& RowKernel() const {
    return rowKernel_.empty() ? columnKernel_ : rowKernel_;
  }
  std::vector<Complex> RowProduct(const std::vector<Complex>& partial) const;

  int pupilSide_ = 0;
  MatrixFourierOutput output_;
  std::vector<Complex> columnKernel_;  // pupilSide x output.side
  std::vector<Complex> rowKernel_;     // the same; empty when equal to the column kernel
};

extern template class MatrixFourierTransform<double>;
extern template class MatrixFourierTransform<float>;

}  // namespace voka::fourier
