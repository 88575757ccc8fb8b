#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "psf/psf_numbers.h"

namespace voka::psf {

namespace {

// Rings a quarter pixel wide: narrow enough that a hard-edged aperture's rim
// falls in one ring, wide enough that each ring spans many directions.
constexpr double kRingsPerPixel = 4.0;

struct Ring {
  double count = 0.0;
  double sum = 0.0;
  double sumOfSquares = 0.0;
};

}  // namespace

double ComputeSpikeFraction(const PupilAmplitude& pupil) {
  const int side = pupil.side;
  const double centre = side / 2.0;
  std::vector<Ring> rings(
      static_cast<std::size_t>(std::ceil(centre * std::sqrt(2.0) * kRingsPerPixel)) + 2);
  double energy = 0.0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const double amplitude = pupil.amplitude[static_cast<std::size_t>(row) * side + column];
      const double radius = std::hypot(column + 0.5 - centre, row + 0.5 - centre);
      Ring& ring = rings[static_cast<std::size_t>(radius * kRingsPerPixel)];
      ring.count += 1.0;
      ring.sum += amplitude;
      ring.sumOfSquares += amplitude * amplitude;
      energy += amplitude * amplitude;
    }
  }
  if (energy <= 0.0) return 0.0;
  // Within a ring, the part that departs from the ring's mean carries
  // sumOfSquares - sum²/count of the energy.
  double departing = 0.0;
  for (const Ring& ring : rings) {
    if (ring.count > 0.0) departing += ring.sumOfSquares - ring.sum * ring.sum / ring.count;
  }
  return std::max(0.0, departing) / energy;
}

}  // namespace voka::psf
