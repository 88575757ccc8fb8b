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
    work.field.resize(4 * n);  // two rows of a complex field
    // A complex field's folded quarters have a side of ⌈N/2⌉.
    const std::size_t fold = (n + 1) / 2;
    work.folded.resize(8 * fold * fold);
    work.partial.resize(std::max(2 * n * 2 * half, 8 * fold * half));
    work.mirrored.resize(8 * fold * half);
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

namespace {

// The pupil's rows and columns folded about its centre: a row's cosine sum
// takes the sum of the sample at x and the one at −x, its sine sum their
// difference, so each axis needs only the ⌈N/2⌉ kernel rows at x ≤ 0. For
// each of the real and imaginary planes, four folded quarters (sum or
// difference in y, then in x): ss, ds, sd, dd; ordered so that the quarters
// the cosines take (ss, ds) and those the sines take (sd, dd) each lie in
// one block. An odd side's middle row and column are their own mirror: the
// sum counts them once and the difference is zero.
//
// One row pair of one plane: the top row (row) and its mirror, the bottom
// row, into row `row` of the four quarters (each of side fold).
void FoldRowPair(const float* top, const float* bottom, int n, int row, float* ss, float* ds,
                 float* sd, float* dd) {
  const int fold = (n + 1) / 2;
  const float rowWeight = row == n - 1 - row ? 0.5f : 1.0f;
  const std::size_t at = static_cast<std::size_t>(row) * fold;
  for (int column = 0; column < n / 2; ++column) {
    const int mirror = n - 1 - column;
    const float topSum = top[column] + top[mirror], topDifference = top[column] - top[mirror];
    const float bottomSum = bottom[column] + bottom[mirror];
    const float bottomDifference = bottom[column] - bottom[mirror];
    ss[at + column] = rowWeight * (topSum + bottomSum);
    ds[at + column] = topSum - bottomSum;
    sd[at + column] = rowWeight * (topDifference + bottomDifference);
    dd[at + column] = topDifference - bottomDifference;
  }
  if (n % 2 == 1) {
    const int middle = n / 2;
    ss[at + middle] = rowWeight * (top[middle] + bottom[middle]);
    ds[at + middle] = top[middle] - bottom[middle];
    sd[at + middle] = 0.0f;
    dd[at + middle] = 0.0f;
  }
}

}  // namespace

// The optical path that, at every wavelength, gives the complex field's
// phase: the wavefront's, and the tilt that moves the lattice onto the star
// (exp(−2πi·tilt·step·x/N) per axis). A sub-sample's step in λ/D is
// proportional to 1/λ, so the tilt too is a path, the same at all wavelengths.
void CameraRenderer::PreparePath(const psf::PupilField& pupil, double subsampleLambdaNmOverD) {
  const int n = pupil.side;
  pathNm_.resize(static_cast<std::size_t>(n) * n);
  const double columnNm = -key_.grid.tiltColumnSubsamples * subsampleLambdaNmOverD / n;
  const double rowNm = -key_.grid.tiltRowSubsamples * subsampleLambdaNmOverD / n;
  for (int row = 0; row < n; ++row) {
    const double rowPart = rowNm * CentredCoordinate(row, n);
    double* path = pathNm_.data() + static_cast<std::size_t>(row) * n;
    const double* opd =
        pupil.HasPhase() ? pupil.opdNm.data() + static_cast<std::size_t>(row) * n : nullptr;
    for (int column = 0; column < n; ++column)
      path[column] = rowPart + columnNm * CentredCoordinate(column, n) + (opd ? opd[column] : 0.0);
  }
}

// The complex field amplitude · exp(2πi·path/λ), folded about its centre
// two rows at a time, so that the field never fills a plane of its own.
void CameraRenderer::FoldedField(WorkArea& work, double wavelengthNm) const {
  const int n = key_.pupilSide;
  const int fold = (n + 1) / 2;
  const std::size_t quarter = static_cast<std::size_t>(fold) * fold;
  const std::size_t width = static_cast<std::size_t>(n);
  float* folded = work.folded.data();
  float* topReal = work.field.data();
  float* topImaginary = topReal + width;
  float* bottomReal = topImaginary + width;
  float* bottomImaginary = bottomReal + width;
  for (int row = 0; row < fold; ++row) {
    const std::size_t top = static_cast<std::size_t>(row) * width;
    const std::size_t bottom = static_cast<std::size_t>(n - 1 - row) * width;
    ScaledUnitPhasors(pathNm_.data() + top, 1.0 / wavelengthNm, amplitude_.data() + top, width,
                      topReal, topImaginary);
    ScaledUnitPhasors(pathNm_.data() + bottom, 1.0 / wavelengthNm, amplitude_.data() + bottom,
                      width, bottomReal, bottomImaginary);
    FoldRowPair(topReal, bottomReal, n, row, folded, folded + 2 * quarter, folded + 4 * quarter,
                folded + 6 * quarter);
    FoldRowPair(topImaginary, bottomImaginary, n, row, folded + quarter, folded + 3 * quarter,
                folded + 5 * quarter, folded + 7 * quarter);
  }
}

// A complex pupil, folded about its centre (FoldedField) into quarters of side
// H = ⌈N/2⌉, which halves both products against the unfolded field. With
// K = C − iS at the first half's frequencies (C + iS at their mirrors):
// As, Ad = [ss ; ds] · Cx and Bs, Bd = [sd ; dd] · Sx (complex, H x half),
// then T1 = Cyᵀ As, T4 = Cyᵀ Bs, T2 = Syᵀ Bd, T3 = Syᵀ Ad, and the field at
// the frequency signs (sy, sx) is E = T1 − sy·sx·T2 − i(sy·T3 + sx·T4).
void CameraRenderer::ComplexProducts(WorkArea& work, const float* kernel,
                                     double wavelengthNm) const {
  const int n = key_.pupilSide;
  const int half = key_.grid.half;
  const int twoHalf = 2 * half;
  const int fourHalf = 4 * half;
  const int fold = (n + 1) / 2;
  FoldedField(work, wavelengthNm);

  // [As r; As i; Ad r; Ad i] and [Bs r; Bs i; Bd r; Bd i], each 4H x half.
  const std::size_t quarter = static_cast<std::size_t>(fold) * fold;
  const std::size_t block = static_cast<std::size_t>(fold) * half;
  float* cosinePartial = work.partial.data();
  float* sinePartial = cosinePartial + 4 * block;
  cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, 4 * fold, half, fold, 1.0f,
              work.folded.data(), fold, kernel, twoHalf, 0.0f, cosinePartial, half);
  cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, 4 * fold, half, fold, 1.0f,
              work.folded.data() + 4 * quarter, fold, kernel + half, twoHalf, 0.0f, sinePartial,
              half);
  // Side by side for the second products: [As r | As i | Bs r | Bs i] for
  // the cosines of y, [Bd r | Bd i | Ad r | Ad i] for its sines.
  float* forCosines = work.mirrored.data();
  float* forSines = forCosines + static_cast<std::size_t>(fold) * fourHalf;
  const float* cosineSources[4] = {cosinePartial, cosinePartial + block, sinePartial,
                                   sinePartial + block};
  const float* sineSources[4] = {sinePartial + 2 * block, sinePartial + 3 * block,
                                 cosinePartial + 2 * block, cosinePartial + 3 * block};
  for (int row = 0; row < fold; ++row) {
    const std::size_t from = static_cast<std::size_t>(row) * half;
    for (int part = 0; part < 4; ++part) {
      std::copy_n(cosineSources[part] + from, half,
                  forCosines + static_cast<std::size_t>(row) * fourHalf + part * half);
      std::copy_n(sineSources[part] + from, half,
                  forSines + static_cast<std::size_t>(row) * fourHalf + part * half);
    }
  }
  // [T1 r | T1 i | T4 r | T4 i] and [T2 r | T2 i | T3 r | T3 i], half x 4·half.
  float* cosineProduct = work.product.data();
  float* sineProduct = cosineProduct + static_cast<std::size_t>(half) * fourHalf;
  cblas_sgemm(CblasRowMajor, CblasTrans, CblasNoTrans, half, fourHalf, fold, 1.0f, kernel, twoHalf,
              forCosines, fourHalf, 0.0f, cosineProduct, fourHalf);
  cblas_sgemm(CblasRowMajor, CblasTrans, CblasNoTrans, half, fourHalf, fold, 1.0f, kernel + half,
              twoHalf, forSines, fourHalf, 0.0f, sineProduct, fourHalf);

  const std::size_t quadrantSize = static_cast<std::size_t>(half) * half;
  float* lowLow = work.quadrants.data();
  float* lowHigh = lowLow + quadrantSize;
  float* highLow = lowLow + 2 * quadrantSize;
  float* highHigh = lowLow + 3 * quadrantSize;
  for (int i = 0; i < half; ++i) {
    const float* c = cosineProduct + static_cast<std::size_t>(i) * fourHalf;
    const float* s = sineProduct + static_cast<std::size_t>(i) * fourHalf;
    for (int j = 0; j < half; ++j) {
      const float t1r = c[j], t1i = c[half + j], t4r = c[2 * half + j], t4i = c[3 * half + j];
      const float t2r = s[j], t2i = s[half + j], t3r = s[2 * half + j], t3i = s[3 * half + j];
      // sy·sx = +1 (both low or both high) and −1.
      const float uSameR = t1r - t2r, uSameI = t1i - t2i;
      const float uCrossR = t1r + t2r, uCrossI = t1i + t2i;
      const auto intensity = [](float ur, float ui, float vr, float vi) {
        return (ur + vi) * (ur + vi) + (ui - vr) * (ui - vr);
      };
      const std::size_t at = static_cast<std::size_t>(i) * half + j;
      // V = sy·T3 + sx·T4.
      lowLow[at] = intensity(uSameR, uSameI, t3r + t4r, t3i + t4i);
      lowHigh[at] = intensity(uCrossR, uCrossI, t3r - t4r, t3i - t4i);
      highLow[at] = intensity(uCrossR, uCrossI, t4r - t3r, t4i - t3i);
      highHigh[at] = intensity(uSameR, uSameI, -t3r - t4r, -t3i - t4i);
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
  ComplexProducts(work, kernel, wavelengthNm);
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
  if (pupil.HasPhase() || key_.grid.Tilted())
    PreparePath(pupil, key_.stepsLambdaOverD.front() * image.channels.wavelengthsNm.front());
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
