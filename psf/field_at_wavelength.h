// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <cstddef>
#include <numbers>

#include "psf/pupil_amplitude.h"

namespace voka::psf {

// The field of one pupil sample (index row * side + column) at the
// wavelength: amplitude · exp(2πi · opd / λ). A positive optical path
// difference is a wavefront ahead of the reference sphere, so an OPD rising
// toward +x tilts the wavefront toward +x and moves the image there. The
// pupil must have a phase.
inline std::complex<double> FieldAt(const PupilField& pupil, std::size_t index,
                                    double wavelengthNm) {
  const double amplitude = pupil.amplitude[index];
  if (amplitude == 0.0) return 0.0;
  return std::polar(amplitude, 2.0 * std::numbers::pi * pupil.opdNm[index] / wavelengthNm);
}

}  // namespace voka::psf
