// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The direct diffraction sum written as plainly as possible, with the library's
// sqrt, sin and cos and its own literal constants: the reference that the
// product's fast sum is held against in tests and the benchmark.

#include <cassert>
#include <cmath>

#include "diffraction_sum/diffraction_sum.h"

namespace voka::reference {

// Phase at image point (u, v) of the wave from pupil point (x, y).
inline double PlainPhase(double x, double y, double u, double v) {
  const double R = 600.0;
  const double L = std::sqrt(R * R - (x * u + y * v) * 2 + u * u + v * v);
  const double wavelengths = L / 0.00055;
  assert(wavelengths > 0.0 && wavelengths < 2147483647.0);
  const int n = static_cast<int>(wavelengths);
  const double f = (L - n * 0.00055) / 0.00055;
  return f * 2 * 3.14159265;
}

// The whole grid in the loop order k, l, i, j.
inline void PlainDiffractionSum(const PupilAmplitudes& pupil, ImageField& field) {
  for (int i = 0; i < 64; ++i) {
    for (int j = 0; j < 64; ++j) {
      field.real[i][j] = 0.0;
      field.imag[i][j] = 0.0;
    }
  }
  for (int k = 0; k < 128; ++k) {
    const double x = (k - 64) * 1.0;
    for (int l = 0; l < 128; ++l) {
      const double y = (l - 64) * 1.0;
      const double a = pupil.a[k][l];
      for (int i = 0; i < 64; ++i) {
        const double u = (i - 32) * 0.0005;
        for (int j = 0; j < 64; ++j) {
          const double v = (j - 32) * 0.0005;
          const double angle = PlainPhase(x, y, u, v);
          field.real[i][j] = std::cos(angle) * a + field.real[i][j];
          field.imag[i][j] = std::sin(angle) * a + field.imag[i][j];
        }
      }
    }
  }
}

struct PlainSum {
  double real = 0.0;
  double imag = 0.0;
};

// One image point of the same sum, in the same order of additions, for tests
// that cannot afford the whole grid.
inline PlainSum PlainDiffractionPoint(const PupilAmplitudes& pupil, int i, int j) {
  const double u = (i - 32) * 0.0005;
  const double v = (j - 32) * 0.0005;
  PlainSum sum;
  for (int k = 0; k < 128; ++k) {
    const double x = (k - 64) * 1.0;
    for (int l = 0; l < 128; ++l) {
      const double y = (l - 64) * 1.0;
      const double a = pupil.a[k][l];
      const double angle = PlainPhase(x, y, u, v);
      sum.real = std::cos(angle) * a + sum.real;
      sum.imag = std::sin(angle) * a + sum.imag;
    }
  }
  return sum;
}

}  // namespace voka::reference
