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

// Square tiles for the transposes: a tile's rows and columns both stay in
// the cache while it is copied.
constexpr int kTile = 32;

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

// columns[x * side + y] := rows[y * halfWidth + x] for the pupil's rows y,
// and 0 below them (the padding).
void TransposeRows(const fftw_complex* rows, int pupilRows, int side, fftw_complex* columns) {
  const int halfWidth = side / 2 + 1;
  OnTwoThreads(halfWidth, [&](int firstX, int endX) {
    for (int x0 = firstX; x0 < endX; x0 += kTile) {
      const int x1 = std::min(endX, x0 + kTile);
      for (int y0 = 0; y0 < pupilRows; y0 += kTile) {
        const int y1 = std::min(pupilRows, y0 + kTile);
        for (int x = x0; x < x1; ++x) {
          fftw_complex* to = columns + static_cast<std::size_t>(x) * side;
          for (int y = y0; y < y1; ++y) {
            to[y][0] = rows[static_cast<std::size_t>(y) * halfWidth + x][0];
            to[y][1] = rows[static_cast<std::size_t>(y) * halfWidth + x][1];
          }
        }
      }
      for (int x = x0; x < x1; ++x) {
        std::fill_n(columns[static_cast<std::size_t>(x) * side + pupilRows], 2 * (side - pupilRows), 0.0);
      }
    }
  });
}

// Writes |field|² into the centred image from the transformed columns
// (columns[kx * side + ky], kx = 0..side/2). The missing half comes from the
// symmetry of a real input's transform: F(-ky, -kx) = conj F(ky, kx), of
// the same modulus.
FoldSums FoldColumns(const fftw_complex* columns, int side, double unit, double* image) {
  const int centre = side / 2;
  FoldSums parts[2];
  OnTwoThreads(side, [&](int firstRow, int endRow) {
    FoldSums& sums = parts[firstRow == 0 ? 0 : 1];
    for (int row0 = firstRow; row0 < endRow; row0 += kTile) {
      const int row1 = std::min(endRow, row0 + kTile);
      for (int column = 0; column < side; ++column) {
        const int frequencyX = column - centre;
        const bool direct = frequencyX >= 0;
        const fftw_complex* source =
            columns + static_cast<std::size_t>(direct ? frequencyX : -frequencyX) * side;
        for (int row = row0; row < row1; ++row) {
          const int frequencyY = direct ? row - centre : centre - row;
          const fftw_complex& value = source[(frequencyY + side) % side];
          const double intensity = (value[0] * value[0] + value[1] * value[1]) * unit;
          image[static_cast<std::size_t>(row) * side + column] = intensity;
          sums.total += intensity;
          sums.peak = std::max(sums.peak, intensity);
        }
      }
    }
  });
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

  // The pupil's rows, padded to the grid's width, go into the image's own
  // storage; the intensity overwrites them at the end. The rows below the
  // pupil are all padding: their transform is zero, so the row pass skips
  // them.
  const std::size_t pixels = static_cast<std::size_t>(side) * side;
  image.intensity.reserve(pixels);
  AdviseHugePages(image.intensity.data(), pixels * sizeof(double));
  image.intensity.assign(pixels, 0.0);
  for (int row = 0; row < pupil.side; ++row) {
    std::copy_n(pupil.amplitude.begin() + static_cast<std::ptrdiff_t>(row) * pupil.side, pupil.side,
                image.intensity.begin() + static_cast<std::ptrdiff_t>(row) * side);
  }
  ComplexBuffer rows = AllocateComplex(static_cast<std::size_t>(pupil.side) * halfWidth);
  ComplexBuffer columns = AllocateComplex(halfWidth * side);
  if (!rows || !columns) throw std::bad_alloc();
  AdviseHugePages(rows.get(), static_cast<std::size_t>(pupil.side) * halfWidth * sizeof(fftw_complex));
  AdviseHugePages(columns.get(), halfWidth * side * sizeof(fftw_complex));
  const PlanHandle rowPass = PlanRowPass(side, pupil.side, image.intensity.data(), rows.get());
  const PlanHandle columnPass = PlanContiguousPass(side, static_cast<int>(halfWidth), columns.get());
  if (!rowPass || !columnPass) throw std::bad_alloc();
  Report(progress, 5);
  if (Cancelled(progress)) return std::nullopt;
  fftw_execute(rowPass.get());
  TransposeRows(rows.get(), pupil.side, side, columns.get());
  rows.reset();
  Report(progress, 25);
  if (Cancelled(progress)) return std::nullopt;
  fftw_execute(columnPass.get());
  Report(progress, 80);
  if (Cancelled(progress)) return std::nullopt;

  const FoldSums sums =
      FoldColumns(columns.get(), side, 1.0 / ClearAperturePeak(pupil.side), image.intensity.data());
  image.totalIntensity = sums.total;
  image.peakIntensity = sums.peak;
  Report(progress, 100);
  return image;
}

}  // namespace voka::psf
