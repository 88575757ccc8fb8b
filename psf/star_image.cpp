#include "psf/star_image.h"

#include <algorithm>
#include <cstddef>
#include <numbers>
#include <thread>

#include "psf/fftw_plans.h"

namespace voka::psf {

namespace {

constexpr int kFoldThreads = 2;

struct FoldSums {
  double total = 0.0;
  double peak = 0.0;
};

// Writes |field|² of rows [firstRow, endRow) of the centred image from the
// half spectrum. The missing half comes from the symmetry of a real input's
// transform: F(-ky, -kx) = conj F(ky, kx), which has the same modulus.
FoldSums FoldRows(const fftw_complex* half, int side, double unit, int firstRow, int endRow,
                  double* image) {
  const std::size_t halfWidth = static_cast<std::size_t>(side / 2 + 1);
  const int centre = side / 2;
  FoldSums sums;
  for (int row = firstRow; row < endRow; ++row) {
    const int frequencyY = (row - centre + side) % side;
    const int mirroredY = (side - frequencyY) % side;
    const fftw_complex* direct = half + static_cast<std::size_t>(frequencyY) * halfWidth;
    const fftw_complex* mirrored = half + static_cast<std::size_t>(mirroredY) * halfWidth;
    double* out = image + static_cast<std::size_t>(row) * side;
    for (int column = 0; column < side; ++column) {
      const int frequencyX = column - centre;
      const fftw_complex& value = frequencyX >= 0 ? direct[frequencyX] : mirrored[-frequencyX];
      const double intensity = (value[0] * value[0] + value[1] * value[1]) * unit;
      out[column] = intensity;
      sums.total += intensity;
      sums.peak = std::max(sums.peak, intensity);
    }
  }
  return sums;
}

FoldSums FoldSpectrum(const fftw_complex* half, int side, double unit, double* image) {
  FoldSums parts[kFoldThreads];
  std::thread helper([&] { parts[1] = FoldRows(half, side, unit, side / 2, side, image); });
  parts[0] = FoldRows(half, side, unit, 0, side / 2, image);
  helper.join();
  return {parts[0].total + parts[1].total, std::max(parts[0].peak, parts[1].peak)};
}

void Report(const PsfProgress& progress, int position) {
  if (progress.progress) progress.progress(position);
}

bool Cancelled(const PsfProgress& progress) { return progress.cancelled && progress.cancelled(); }

}  // namespace

double ClearAperturePeak(int pupilSide) {
  const double area = std::numbers::pi / 4.0 * pupilSide * static_cast<double>(pupilSide);
  return area * area;
}

std::optional<StarImage> ComputeStarImage(const PupilAmplitude& pupil, const PsfSettings& settings,
                                          const PsfProgress& progress) {
  StarImage image;
  image.pupilSide = pupil.side;
  image.padFactor = settings.padFactor;
  image.paddedSide = pupil.side * settings.padFactor;
  image.centreIndex = image.paddedSide / 2;
  image.scale = ComputeImageScale(settings);
  image.settings = settings;
  const int side = image.paddedSide;
  const std::size_t pixels = static_cast<std::size_t>(side) * side;

  // The pupil's rows, padded to the grid's width, go into the image's own
  // storage; the transform leaves them there unused and the intensity
  // overwrites them. The rows below the pupil are all padding: their
  // transform is zero, so the row pass skips them.
  image.intensity.assign(pixels, 0.0);
  for (int row = 0; row < pupil.side; ++row) {
    std::copy_n(pupil.amplitude.begin() + static_cast<std::ptrdiff_t>(row) * pupil.side, pupil.side,
                image.intensity.begin() + static_cast<std::ptrdiff_t>(row) * side);
  }
  const std::size_t halfWidth = static_cast<std::size_t>(side / 2 + 1);
  ComplexBuffer half = AllocateComplex(static_cast<std::size_t>(side) * halfWidth);
  if (!half) throw std::bad_alloc();
  std::fill_n(half[0] + 2 * halfWidth * static_cast<std::size_t>(pupil.side),
              2 * halfWidth * static_cast<std::size_t>(side - pupil.side), 0.0);
  Report(progress, 5);
  const PlanHandle rowPass = PlanRowPass(side, pupil.side, image.intensity.data(), half.get());
  const PlanHandle columnPass = PlanColumnPass(side, half.get());
  if (!rowPass || !columnPass) throw std::bad_alloc();
  if (Cancelled(progress)) return std::nullopt;
  fftw_execute(rowPass.get());
  Report(progress, 25);
  if (Cancelled(progress)) return std::nullopt;
  fftw_execute(columnPass.get());
  Report(progress, 80);
  if (Cancelled(progress)) return std::nullopt;

  const FoldSums sums =
      FoldSpectrum(half.get(), side, 1.0 / ClearAperturePeak(pupil.side), image.intensity.data());
  image.totalIntensity = sums.total;
  image.peakIntensity = sums.peak;
  Report(progress, 100);
  return image;
}

}  // namespace voka::psf
