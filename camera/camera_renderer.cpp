// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_renderer.h"

#include <cblas.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <mutex>
#include <new>
#include <numbers>

#include "camera/sensor_sampling.h"
#include "camera/unit_phasor.h"
#include "fourier/blas_threads.h"
#include "threads/thread_budget.h"
#include "threads/worker_team.h"

namespace voka::camera {

namespace {

bool PositiveFinite(double value) {
  return std::isfinite(value) && value > 0.0;
}

CameraRefusal CheckSettings(const CameraSettings& settings) {
  if (!PositiveFinite(settings.pixelPitchUm) || !PositiveFinite(settings.focalLengthMm) ||
      !PositiveFinite(settings.apertureDiameterMm) || settings.fieldPixels < 1 ||
      settings.fieldPixels > kMaximumFieldPixels || !(std::abs(settings.offsetXPixels) <= 0.5) ||
      !(std::abs(settings.offsetYPixels) <= 0.5))
    return CameraRefusal::kSettings;
  return CameraRefusal::kNone;
}

// A sub-sample in the wavelength's λ/D.
double StepLambdaOverD(const CameraSettings& settings, int subsamples, double wavelengthNm) {
  const double subsampleRadians =
      settings.pixelPitchUm * 1e-3 / settings.focalLengthMm / subsamples;
  return subsampleRadians / (wavelengthNm * 1e-6 / settings.apertureDiameterMm);
}

// The nearest point of the lattice (whole numbers, or whole numbers and a
// half) to a position in sub-samples.
double NearestOnLattice(double position, bool halfIntegers) {
  return halfIntegers ? std::floor(position) + 0.5 : std::round(position);
}

// Pupil coordinates from the grid's middle, as the matrix transform takes them.
double CentredCoordinate(int index, int side) {
  return index - (side - 1) / 2.0;
}

// C (m x n) = op(A) · B (k x n), row-major, real, single precision; op(A)
// is A (m x k) or the transpose of A (k x m), with its own leading dimension.
void Product(bool transposeA, int m, int n, int k, const float* a, int lda, const float* b,
             float* c) {
  cblas_sgemm(CblasRowMajor, transposeA ? CblasTrans : CblasNoTrans, CblasNoTrans, m, n, k, 1.0f, a,
              lda, b, n, 0.0f, c, n);
}

// OpenBLAS keeps one thread count for the process. While the workers run,
// each product stays on its worker's thread, the documented way to call the
// library from threads of one's own: a one-thread call runs where it is made
// and takes its buffers under the library's lock. The count is put back when
// the last renderer running leaves, so that renders on several threads at
// once do not leave it at one.
class SingleThreadedBlas {
 public:
  explicit SingleThreadedBlas(bool active) : active_(active) {
    if (!active_) return;
    const std::lock_guard lock(Mutex());
    if (Users()++ == 0) {
      Saved() = openblas_get_num_threads();
      openblas_set_num_threads(1);
    }
  }
  ~SingleThreadedBlas() {
    if (!active_) return;
    const std::lock_guard lock(Mutex());
    if (--Users() == 0) openblas_set_num_threads(Saved());
  }
  SingleThreadedBlas(const SingleThreadedBlas&) = delete;
  SingleThreadedBlas& operator=(const SingleThreadedBlas&) = delete;

 private:
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  static int& Users() {
    static int users = 0;
    return users;
  }
  static int& Saved() {
    static int saved = 0;
    return saved;
  }

  bool active_;
};

}  // namespace

MirrorGrid MirrorGridFor(const CameraSettings& settings, int subsamples) {
  MirrorGrid grid;
  grid.fineSide = settings.fieldPixels * subsamples;
  // The star in fine coordinates from the top left: the centre of pixel
  // (M/2, M/2) counted from the bottom left, moved by the offset.
  const int starRowPixelFromTop = settings.fieldPixels - 1 - settings.fieldPixels / 2;
  const double starColumn = (settings.fieldPixels / 2) * subsamples + (subsamples - 1) / 2.0 +
                            settings.offsetXPixels * subsamples;
  const double starRow = starRowPixelFromTop * subsamples + (subsamples - 1) / 2.0 -
                         settings.offsetYPixels * subsamples;
  // Fine column 0 lies at -starColumn sub-samples from the star, row 0 at
  // -starRow; both must sit on one lattice, up to the tilts.
  const double column0 = -starColumn;
  const double row0 = -starRow;
  const double fraction = column0 - std::floor(column0);
  const bool halfIntegers = fraction >= 0.25 && fraction < 0.75;
  const double latticeColumn0 = NearestOnLattice(column0, halfIntegers);
  const double latticeRow0 = NearestOnLattice(row0, halfIntegers);
  grid.tiltColumnSubsamples = column0 - latticeColumn0;
  grid.tiltRowSubsamples = row0 - latticeRow0;
  const double last = grid.fineSide - 1;
  const double reach = std::max({std::abs(latticeColumn0), std::abs(latticeColumn0 + last),
                                 std::abs(latticeRow0), std::abs(latticeRow0 + last)});
  grid.side = static_cast<int>(std::lround(2.0 * reach + 1.0));
  grid.half = (grid.side + 1) / 2;
  grid.firstColumn = static_cast<int>(std::lround(latticeColumn0 + reach));
  grid.firstRow = static_cast<int>(std::lround(latticeRow0 + reach));
  return grid;
}

void CameraRenderer::PrepareKernels(const KernelKey& key) {
  if (key == key_ && kernels_.size() == key.stepsLambdaOverD.size()) return;
  key_ = key;
  // Made again by the worker that first needs each.
  kernels_.assign(key.stepsLambdaOverD.size(), {});
}

const float* CameraRenderer::KernelFor(std::size_t wavelength) {
  std::vector<float>& kernel = kernels_[wavelength];
  if (!kernel.empty()) return kernel.data();
  const int n = key_.pupilSide;
  const int half = key_.grid.half;
  const double step = key_.stepsLambdaOverD[wavelength];
  // Row p: cos and sin of 2π f_g x_p / N for g = 0 .. half-1, f_g =
  // (g − (G−1)/2) step; successive g by one complex rotation, in double.
  kernel.resize(static_cast<std::size_t>(n) * 2 * half);
  for (int p = 0; p < n; ++p) {
    const double turn = 2.0 * std::numbers::pi * step * CentredCoordinate(p, n) / n;
    const std::complex<double> rotation = std::polar(1.0, turn);
    std::complex<double> value = std::polar(1.0, turn * CentredCoordinate(0, key_.grid.side));
    float* row = kernel.data() + static_cast<std::size_t>(p) * 2 * half;
    for (int g = 0; g < half; ++g) {
      row[g] = static_cast<float>(value.real());
      row[half + g] = static_cast<float>(value.imag());
      value *= rotation;
    }
  }
  return kernel.data();
}

// A real pupil: [A | B] = P · [C | S], then [C | S]ᵀ · [A | B]. With
// E = Kyᵀ P Kx and K = C − iS at the first half's frequencies (C + iS at
// their mirrors), the field at (low row, low column) is CA − SB − i(CB + SA)
// and at (low, mirrored) CA + SB + i(CB − SA); the mirrored row gives the
// conjugates of the other column's.
void CameraRenderer::PrepareWorkAreas(int workers, int pupilSide) {
  const std::size_t n = static_cast<std::size_t>(pupilSide);
  const std::size_t half = static_cast<std::size_t>(key_.grid.half);
  workAreas_.resize(static_cast<std::size_t>(workers));
  for (WorkArea& work : workAreas_) {
    work.field.resize(2 * n * n);
    work.waves.resize(n * n);
    work.partial.resize(2 * n * 2 * half);
    work.mirrored.resize(n * 4 * half);
    work.product.resize(2 * half * 4 * half);
    work.quadrants.resize(4 * half * half);
    work.intensity.resize(static_cast<std::size_t>(key_.grid.fineSide) * key_.grid.fineSide);
  }
}

void CameraRenderer::RealProducts(WorkArea& work, const float* kernel) const {
  const int n = key_.pupilSide;
  const int twoHalf = 2 * key_.grid.half;
  Product(false, n, twoHalf, n, amplitude_.data(), n, kernel, work.partial.data());
  Product(true, twoHalf, twoHalf, n, kernel, twoHalf, work.partial.data(), work.product.data());
  const int half = key_.grid.half;
  const std::size_t quadrant = static_cast<std::size_t>(half) * half;
  float* same = work.quadrants.data();
  float* crossed = same + quadrant;
  for (int i = 0; i < half; ++i) {
    const float* cosineRow = work.product.data() + static_cast<std::size_t>(i) * twoHalf;
    const float* sineRow = work.product.data() + static_cast<std::size_t>(half + i) * twoHalf;
    for (int j = 0; j < half; ++j) {
      const float ca = cosineRow[j], cb = cosineRow[half + j];
      const float sa = sineRow[j], sb = sineRow[half + j];
      same[static_cast<std::size_t>(i) * half + j] = (ca - sb) * (ca - sb) + (cb + sa) * (cb + sa);
      crossed[static_cast<std::size_t>(i) * half + j] =
          (ca + sb) * (ca + sb) + (cb - sa) * (cb - sa);
    }
  }
}

// A complex pupil Pr + iPi: [Ar | Br ; Ai | Bi] = [Pr ; Pi] · [C | S], so the
// partial field at a low column is X + iY = (Ar + Bi) + i(Ai − Br) and at its
// mirror (Ar − Bi) + i(Ai + Br). Then [C | S]ᵀ · [Xlow Xhigh Ylow Yhigh]: a
// low row's field is CX + SY + i(CY − SX), a mirrored row's CX − SY + i(CY + SX).
void CameraRenderer::ComplexProducts(WorkArea& work, const float* kernel,
                                     const psf::PupilField& pupil, double wavelengthNm,
                                     double step) const {
  const int n = key_.pupilSide;
  const int half = key_.grid.half;
  const int twoHalf = 2 * half;
  const std::size_t samples = static_cast<std::size_t>(n) * n;
  // The field's phase in turns: the optical path, less the tilts that move
  // the lattice onto the star (exp(−2πi·tilt·step·x/N) per axis).
  const double columnTurns = -key_.grid.tiltColumnSubsamples * step / n;
  const double rowTurns = -key_.grid.tiltRowSubsamples * step / n;
  for (int row = 0; row < n; ++row) {
    const double rowPart = rowTurns * CentredCoordinate(row, n);
    double* waves = work.waves.data() + static_cast<std::size_t>(row) * n;
    const double* path =
        pupil.HasPhase() ? pupil.opdNm.data() + static_cast<std::size_t>(row) * n : nullptr;
    for (int column = 0; column < n; ++column) {
      waves[column] = rowPart + columnTurns * CentredCoordinate(column, n) +
                      (path ? path[column] / wavelengthNm : 0.0);
    }
  }
  float* real = work.field.data();
  float* imaginary = real + samples;
  UnitPhasors(work.waves.data(), samples, real, imaginary);
  for (std::size_t i = 0; i < samples; ++i) {
    const auto amplitude = static_cast<float>(pupil.amplitude[i]);
    real[i] *= amplitude;
    imaginary[i] *= amplitude;
  }
  Product(false, 2 * n, twoHalf, n, real, n, kernel, work.partial.data());
  const int fourHalf = 4 * half;
  for (int q = 0; q < n; ++q) {
    const float* realRow = work.partial.data() + static_cast<std::size_t>(q) * twoHalf;
    const float* imaginaryRow = work.partial.data() + static_cast<std::size_t>(n + q) * twoHalf;
    float* out = work.mirrored.data() + static_cast<std::size_t>(q) * fourHalf;
    for (int j = 0; j < half; ++j) {
      const float ar = realRow[j], br = realRow[half + j];
      const float ai = imaginaryRow[j], bi = imaginaryRow[half + j];
      out[j] = ar + bi;
      out[half + j] = ar - bi;
      out[2 * half + j] = ai - br;
      out[3 * half + j] = ai + br;
    }
  }
  Product(true, twoHalf, fourHalf, n, kernel, twoHalf, work.mirrored.data(), work.product.data());
  const std::size_t quadrant = static_cast<std::size_t>(half) * half;
  for (int i = 0; i < half; ++i) {
    const float* c = work.product.data() + static_cast<std::size_t>(i) * fourHalf;
    const float* s = work.product.data() + static_cast<std::size_t>(half + i) * fourHalf;
    for (int j = 0; j < half; ++j) {
      const std::size_t at = static_cast<std::size_t>(i) * half + j;
      for (int high = 0; high < 2; ++high) {
        const float cx = c[high * half + j], cy = c[(2 + high) * half + j];
        const float sx = s[high * half + j], sy = s[(2 + high) * half + j];
        // quadrants_: [low row][low column], [low][high], [high][low], [high][high].
        work.quadrants[high * quadrant + at] = (cx + sy) * (cx + sy) + (cy - sx) * (cy - sx);
        work.quadrants[(2 + high) * quadrant + at] = (cx - sy) * (cx - sy) + (cy + sx) * (cy + sx);
      }
    }
  }
}

// Copies the sensor's window out of the four quadrants, each index g of the
// symmetric grid read from its own half or its mirror's.
void CameraRenderer::GatherWindow(const float* quadrants[2][2], float* intensity) const {
  const MirrorGrid& grid = key_.grid;
  const int fine = grid.fineSide;
  for (int r = 0; r < fine; ++r) {
    const int g = grid.firstRow + r;
    const bool highRow = g >= grid.half;
    const std::size_t i = static_cast<std::size_t>(highRow ? grid.side - 1 - g : g);
    float* out = intensity + static_cast<std::size_t>(r) * fine;
    const float* low = quadrants[highRow][0] + i * grid.half;
    const float* high = quadrants[highRow][1] + i * grid.half;
    // Columns below the middle read their own half, ascending; the rest read
    // the mirror's, descending.
    const int lowColumns = std::clamp(grid.half - grid.firstColumn, 0, fine);
    for (int k = 0; k < lowColumns; ++k) out[k] = low[grid.firstColumn + k];
    for (int k = lowColumns; k < fine; ++k) out[k] = high[grid.side - 1 - grid.firstColumn - k];
  }
}

void CameraRenderer::FieldIntensity(WorkArea& work, std::size_t wavelength,
                                    const psf::PupilField& pupil, double wavelengthNm) {
  const float* kernel = KernelFor(wavelength);
  float* intensity = work.intensity.data();
  const std::size_t quadrant = static_cast<std::size_t>(key_.grid.half) * key_.grid.half;
  const float* q = work.quadrants.data();
  if (!pupil.HasPhase() && !key_.grid.Tilted()) {
    RealProducts(work, kernel);
    // The image of a real field is symmetric through the centre.
    const float* quadrants[2][2] = {{q, q + quadrant}, {q + quadrant, q}};
    GatherWindow(quadrants, intensity);
    return;
  }
  ComplexProducts(work, kernel, pupil, wavelengthNm, key_.stepsLambdaOverD[wavelength]);
  const float* quadrants[2][2] = {{q, q + quadrant}, {q + 2 * quadrant, q + 3 * quadrant}};
  GatherWindow(quadrants, intensity);
}

CameraOutcome CameraRenderer::Render(const psf::PupilField& pupil, const CameraSettings& settings,
                                     const psf::PsfProgress& progress) {
  if (!psf::PupilLetsLightThrough(pupil)) return {std::nullopt, CameraRefusal::kNoLight};
  if (CheckSettings(settings) != CameraRefusal::kNone)
    return {std::nullopt, CameraRefusal::kSettings};
  CameraImage image;
  image.channels = PlanSpectralChannels(settings.spectrum, settings.wavelengthCount,
                                        settings.colour, settings.response);
  if (image.channels.wavelengthsNm.empty()) return {std::nullopt, CameraRefusal::kSpectrum};
  image.subsamples =
      SubsamplesPerPixel(settings.pixelPitchUm, settings.focalLengthMm,
                         image.channels.wavelengthsNm.front(), settings.apertureDiameterMm);
  if (image.subsamples == 0) return {std::nullopt, CameraRefusal::kSubsampling};
  const int fineSide = settings.fieldPixels * image.subsamples;
  if (fineSide > kMaximumFineSide) return {std::nullopt, CameraRefusal::kFineGridTooLarge};

  KernelKey key{pupil.side, MirrorGridFor(settings, image.subsamples), {}};
  for (const double wavelengthNm : image.channels.wavelengthsNm)
    key.stepsLambdaOverD.push_back(StepLambdaOverD(settings, image.subsamples, wavelengthNm));
  PrepareKernels(key);

  const int n = pupil.side;
  const std::size_t finePixels = static_cast<std::size_t>(fineSide) * fineSide;
  const std::size_t wavelengths = image.channels.wavelengthsNm.size();
  const int channels = image.channels.channelCount;
  const int workers = static_cast<int>(
      std::min<std::size_t>(static_cast<std::size_t>(threads::ThreadBudget()), wavelengths));
  PrepareWorkAreas(workers, n);
  // resize keeps the buffers of the last render when the sizes agree.
  amplitude_.assign(pupil.amplitude.begin(), pupil.amplitude.end());
  channelWeights_.resize(static_cast<std::size_t>(channels) * wavelengths);

  double transmitted = 0.0;
  for (const double amplitude : pupil.amplitude) transmitted += amplitude * amplitude;
  for (std::size_t i = 0; i < wavelengths; ++i) {
    // Parseval for the pupil's transform: |E|² integrates to N² · Σ|P|² per
    // (λ/D)², so a sub-sample of step² (λ/D)² holds this share of it.
    const double step = key_.stepsLambdaOverD[i];
    const double unit = step * step / (double(n) * n * transmitted);
    for (int c = 0; c < channels; ++c) {
      channelWeights_[static_cast<std::size_t>(c) * wavelengths + i] =
          static_cast<float>(image.channels.Weight(i, c) * unit);
    }
  }
  std::atomic<bool> stop = false;
  std::atomic<bool> outOfMemory = false;
  std::atomic<std::size_t> done = 0;
  {
    const SingleThreadedBlas singleThreaded(workers > 1);
    if (workers == 1) fourier::UseThreadBudgetForBlas();
    threads::OnWorkers(workers, [&](int worker) {
      WorkArea& work = workAreas_[static_cast<std::size_t>(worker)];
      try {
        work.planes.assign(static_cast<std::size_t>(channels) * finePixels, 0.0f);
        for (std::size_t i = static_cast<std::size_t>(worker); i < wavelengths; i += workers) {
          // The caller's thread answers for the cancel and reports progress.
          if (worker == 0 && progress.cancelled && progress.cancelled()) stop = true;
          if (stop) return;
          FieldIntensity(work, i, pupil, image.channels.wavelengthsNm[i]);
          for (int c = 0; c < channels; ++c) {
            const float weight = channelWeights_[static_cast<std::size_t>(c) * wavelengths + i];
            float* plane = work.planes.data() + static_cast<std::size_t>(c) * finePixels;
            for (std::size_t k = 0; k < finePixels; ++k) plane[k] += weight * work.intensity[k];
          }
          const std::size_t finished = ++done;
          if (worker == 0 && progress.progress)
            progress.progress(static_cast<int>(finished * 100 / wavelengths));
        }
      } catch (const std::bad_alloc&) {
        outOfMemory = true;
        stop = true;
      }
    });
  }
  if (outOfMemory) throw std::bad_alloc();
  if (stop) return {};
  // Each channel's plane is the weighted sum of the wavelengths' intensities.
  image.subsampled = ChannelPlanes{
      fineSide, channels,
      std::vector<double>(workAreas_.front().planes.begin(), workAreas_.front().planes.end())};
  for (std::size_t worker = 1; worker < workAreas_.size(); ++worker) {
    const std::vector<float>& planes = workAreas_[worker].planes;
    for (std::size_t k = 0; k < planes.size(); ++k) image.subsampled.values[k] += planes[k];
  }
  image.pixels = ChannelPlanes{settings.fieldPixels, channels, {}};
  for (int c = 0; c < channels; ++c) {
    const auto begin =
        image.subsampled.values.begin() + static_cast<std::ptrdiff_t>(c * finePixels);
    const std::vector<double> plane(begin, begin + static_cast<std::ptrdiff_t>(finePixels));
    const std::vector<double> summed = SumSubsamples(plane, settings.fieldPixels, image.subsamples);
    image.pixels.values.insert(image.pixels.values.end(), summed.begin(), summed.end());
  }
  return {std::move(image), CameraRefusal::kNone};
}

}  // namespace voka::camera
