// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/field_modulus.h"

#include <cmath>

namespace voka {

double ModulusAndMaximum(const ImageField& field, double modulus[kImagePoints][kImagePoints]) {
  double maximum = 0.0;
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      const double re = field.real[i][j];
      const double im = field.imag[i][j];
      const double m = std::sqrt(re * re + im * im);
      modulus[i][j] = m;
      if (!(m < maximum)) {
        maximum = m;
      }
    }
  }
  return maximum;
}

}  // namespace voka
