#include "psf/star_image.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <numbers>
#include <thread>

#include "psf/fftw_plans.h"
#include "psf/huge_pages.h"

namespace voka::psf {

namespace {

struct FoldSums {
  double total = 0.0;
  double peak = 0.0;
};

// Runs work(first, end) over [0, count) split in two halves on two threads.
template <typename Work>
void OnTwoThreads(int count, Work work) {
  std::thread helper([&] { work(count / 2, count); });
  work(0, count / 2);
  helper.join();
}

// Writes |field|² into the centred image from the half spectrum that the
// real-to-complex transform gives (spectrum[ky * halfWidth + kx], kx = 0..
// side/2). The other half comes from the symmetry of a real input's
// transform, F(-ky, -kx) = conj F(ky, kx), of the same modulus; both halves
// are then read along rows, as the image is written.
FoldSums FoldHalfSpectrum(const fftw_complex* spectrum, int side, double unit, double* image) {
  const int centre = side / 2;
  const std::size_t halfWidth = static_cast<std::size_t>(side / 2 + 1);
  FoldSums parts[2];
  OnTwoThreads(side, [&](int firstRow, int endRow) {
    FoldSums& sums = parts[firstRow == 0 ? 0 : 1];
    for (int row = firstRow; row < endRow; ++row) {
      const int frequencyY = row - centre;
      const fftw_complex* direct =
          spectrum + static_cast<std::size_t>((frequencyY + side) % side) * halfWidth;
      const fftw_complex* mirrored =
          spectrum + static_cast<std::size_t>((side - frequencyY) % side) * halfWidth;
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
  });
  return {parts[0].total + parts[1].total, std::max(parts[0].peak, parts[1].peak)};
}

void Report(const PsfProgress& progress, int position) {
  if (progress.progress) progress.progress(position);
}

bool Cancelled(const PsfProgress& progress) {
  return progress.cancelled && progress.cancelled();
}

}  // namespace

double ClearAperturePeak(int pupilSide) {
  const double area = std::numbers::pi / 4.0 * pupilSide * static_cast<double>(pupilSide);
  return area * area;
}

std::optional<StarImage> ComputeStarImage(const PupilAmplitude& pupil, const PsfSettings& settings,
                                          const PsfProgress& progress) {
  if (!PupilLetsLightThrough(pupil) || *CheckPsfSettings(settings) != '\0' ||
      static_cast<long long>(pupil.side) * settings.padFactor > kMaximumPaddedSide) {
    return std::nullopt;
  }
  StarImage image;
  image.pupilSide = pupil.side;
  image.padFactor = settings.padFactor;
  image.paddedSide = pupil.side * settings.padFactor;
  image.centreIndex = image.paddedSide / 2;
  image.scale = ComputeImageScale(settings);
  image.settings = settings;
  const int side = image.paddedSide;
  const std::size_t halfWidth = static_cast<std::size_t>(side / 2 + 1);

  // The padded pupil goes into the image's own storage; the intensity
  // overwrites it at the end.
  const std::size_t pixels = static_cast<std::size_t>(side) * side;
  image.intensity.reserve(pixels);
  AdviseHugePages(image.intensity.data(), pixels * sizeof(double));
  image.intensity.assign(pixels, 0.0);
  for (int row = 0; row < pupil.side; ++row) {
    std::copy_n(pupil.amplitude.begin() + static_cast<std::ptrdiff_t>(row) * pupil.side, pupil.side,
                image.intensity.begin() + static_cast<std::ptrdiff_t>(row) * side);
  }
  ComplexBuffer spectrum = AllocateComplex(static_cast<std::size_t>(side) * halfWidth);
  if (!spectrum) throw std::bad_alloc();
  AdviseHugePages(spectrum.get(),
                  static_cast<std::size_t>(side) * halfWidth * sizeof(fftw_complex));
  const PlanHandle transform = PlanRealToComplex(side, image.intensity.data(), spectrum.get());
  if (!transform) throw std::bad_alloc();
  Report(progress, 5);
  if (Cancelled(progress)) return std::nullopt;
  fftw_execute(transform.get());
  Report(progress, 80);
  if (Cancelled(progress)) return std::nullopt;

  const FoldSums sums = FoldHalfSpectrum(spectrum.get(), side, 1.0 / ClearAperturePeak(pupil.side),
                                         image.intensity.data());
  image.totalIntensity = sums.total;
  image.peakIntensity = sums.peak;
  Report(progress, 100);
  return image;
}

}  // namespace voka::psf
