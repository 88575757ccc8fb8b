// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fourier/fftw_plans.h"
#include "psf/star_image.h"

namespace voka::psf {

// The pupil's autocorrelation (the optical transfer function) at whole-pixel
// shifts, from the star image: the image is the transform of the
// autocorrelation, so transforming its samples back gives it. The
// autocorrelation spans shifts of less than one pupil side either way, so a
// grid of 2·side samples is enough; for an even pad factor every
// (pad/2)-th image sample is exactly that grid, which makes this transform a
// quarter of the image's at the default pad of 4. The samples are real and
// symmetric through the centre, and so is the result: one complex-to-real
// transform of half the samples, in place, gives it.
//
// The image of a pupil with a phase (stored whole) is not symmetric, and its
// autocorrelation C is complex, with C(-s) = conj C(s) since the image is
// real: one real-to-complex transform of all the samples, in place, gives
// the half of non-negative row shifts. The modulus and the real part, all
// that is read, are the same at s and -s.
class Autocorrelation {
 public:
  enum Part { kModulus, kReal };

  explicit Autocorrelation(const StarImage& image);

  // Normalised to 1 at zero shift. Shifts in pupil pixels, rows down,
  // columns right; between whole shifts, bilinear.
  double At(double rowShift, double columnShift, Part part) const;
  // Along a direction, degrees counter-clockwise from +x (y up).
  double Along(double shiftPixels, double angleDeg, Part part) const;
  // The mean over all directions.
  double RadialMean(double shiftPixels, Part part) const;

 private:
  double AtWhole(int rowShift, int columnShift, Part part) const;
  double ComplexAtWhole(int rowShift, int columnShift, Part part) const;
  void FillHalfSamples(const StarImage& image, int step);
  void FillAllSamples(const StarImage& image, int step);

  int side_ = 0;       // shifts from -side_/2 to below side_/2
  int rowLength_ = 0;  // doubles from one stored row to the next
  bool complex_ = false;
  // Stored transposed, the column shift first: values_[c * rowLength_ + r],
  // or when complex_, the real and imaginary parts at
  // values_[c * rowLength_ + 2r] and the next, for r = 0 .. side_/2.
  fourier::FftwArray<double> values_;
  double atZero_ = 1.0;
};

}  // namespace voka::psf
