// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

#include "psf/field_at_wavelength.h"
#include "psf/psf_numbers.h"

namespace voka::psf {

namespace {

// Rings a quarter pixel wide: narrow enough that a hard-edged aperture's rim
// falls in one ring, wide enough that each ring spans many directions.
constexpr double kRingsPerPixel = 4.0;

double Squared(double value) {
  return value * value;
}

double Squared(const std::complex<double>& value) {
  return std::norm(value);
}

template <typename Field>
struct Ring {
  double count = 0.0;
  Field sum = 0.0;
  double sumOfSquares = 0.0;
};

// fieldAt(index) is the field of the sample row * side + column.
template <typename Field, typename FieldAtIndex>
double SpikeFraction(int side, FieldAtIndex fieldAt) {
  const double centre = side / 2.0;
  std::vector<Ring<Field>> rings(
      static_cast<std::size_t>(std::ceil(centre * std::sqrt(2.0) * kRingsPerPixel)) + 2);
  double energy = 0.0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const Field field = fieldAt(static_cast<std::size_t>(row) * side + column);
      const double radius = std::hypot(column + 0.5 - centre, row + 0.5 - centre);
      Ring<Field>& ring = rings[static_cast<std::size_t>(radius * kRingsPerPixel)];
      ring.count += 1.0;
      ring.sum += field;
      ring.sumOfSquares += Squared(field);
      energy += Squared(field);
    }
  }
  if (energy <= 0.0) return 0.0;
  // Within a ring, the part that departs from the ring's mean carries
  // sumOfSquares - |sum|²/count of the energy.
  double departing = 0.0;
  for (const Ring<Field>& ring : rings) {
    if (ring.count > 0.0) departing += ring.sumOfSquares - Squared(ring.sum) / ring.count;
  }
  return std::max(0.0, departing) / energy;
}

}  // namespace

// With a phase the split is of the complex field at the wavelength: the
// ring means are complex, and the rest still averages to zero on every ring,
// so the two parts still add in energy. A phase that is the same all round
// each ring (piston, defocus, spherical aberration) stays in the round part,
// and the image it makes is round; one that varies around the rings (tilt,
// coma, astigmatism, a mirror's zones out of round) moves light into the
// rest. A pure tilt counts too: the round part is the pattern centred on the
// axis, and a tilt moves the light off it.
double ComputeSpikeFraction(const PupilField& pupil, double wavelengthNm) {
  if (!pupil.HasPhase()) {
    return SpikeFraction<double>(pupil.side,
                                 [&pupil](std::size_t index) { return pupil.amplitude[index]; });
  }
  return SpikeFraction<std::complex<double>>(pupil.side, [&pupil, wavelengthNm](std::size_t index) {
    return FieldAt(pupil, index, wavelengthNm);
  });
}

}  // namespace voka::psf
