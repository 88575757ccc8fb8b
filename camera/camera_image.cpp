#include "camera/camera_image.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>

#include "camera/sensor_sampling.h"
#include "fourier/matrix_fourier_transform.h"

namespace voka::camera {

namespace {

using Plan = fourier::MatrixFourierTransform<float>;

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

// The sub-sample grid at one wavelength, in that wavelength's λ/D. The star
// (zero frequency) sits at the centre of sensor pixel (M/2, M/2) counted from
// the bottom left, moved by the offset.
fourier::MatrixFourierOutput GridAt(const CameraSettings& settings, int subsamples,
                                    double wavelengthNm) {
  const int fineSide = settings.fieldPixels * subsamples;
  const double subsampleRadians =
      settings.pixelPitchUm * 1e-3 / settings.focalLengthMm / subsamples;
  const double lambdaOverDRadians = wavelengthNm * 1e-6 / settings.apertureDiameterMm;
  const double step = subsampleRadians / lambdaOverDRadians;
  const int starColumnPixel = settings.fieldPixels / 2;
  const int starRowPixelFromTop = settings.fieldPixels - 1 - settings.fieldPixels / 2;
  const double middle = (fineSide - 1) / 2.0;
  // Fine coordinates (from the top left, in sub-samples) of the star.
  const double starColumn =
      starColumnPixel * subsamples + (subsamples - 1) / 2.0 + settings.offsetXPixels * subsamples;
  const double starRow = starRowPixelFromTop * subsamples + (subsamples - 1) / 2.0 -
                         settings.offsetYPixels * subsamples;
  return fourier::MatrixFourierOutput{fineSide, step, -(starColumn - middle) * step,
                                      (starRow - middle) * step};
}

std::vector<std::complex<float>> FieldAt(const psf::PupilField& pupil, double wavelengthNm,
                                         const Plan& plan) {
  if (!pupil.HasPhase()) {
    const std::vector<float> amplitude(pupil.amplitude.begin(), pupil.amplitude.end());
    return plan.Apply(std::span<const float>(amplitude));
  }
  std::vector<std::complex<float>> field(pupil.amplitude.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    const double phase = 2.0 * std::numbers::pi * pupil.opdNm[i] / wavelengthNm;
    field[i] = std::complex<float>(std::polar(pupil.amplitude[i], phase));
  }
  return plan.Apply(std::span<const std::complex<float>>(field));
}

// Adds weight · |E|² into each channel's sub-sample plane.
void Accumulate(const std::vector<std::complex<float>>& field, double unit,
                const SpectralChannels& channels, std::size_t wavelength, ChannelPlanes& planes) {
  const std::size_t count = field.size();
  for (int c = 0; c < channels.channelCount; ++c) {
    const double weight = channels.Weight(wavelength, c) * unit;
    if (weight == 0.0) continue;
    double* plane = planes.values.data() + static_cast<std::size_t>(c) * count;
    for (std::size_t i = 0; i < count; ++i) plane[i] += weight * std::norm(field[i]);
  }
}

}  // namespace

CameraOutcome ComputeCameraImage(const psf::PupilField& pupil, const CameraSettings& settings,
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

  const std::size_t finePixels = static_cast<std::size_t>(fineSide) * fineSide;
  image.subsampled = ChannelPlanes{fineSide, image.channels.channelCount,
                                   std::vector<double>(finePixels * image.channels.channelCount)};
  double transmitted = 0.0;
  for (const double amplitude : pupil.amplitude) transmitted += amplitude * amplitude;
  const double n = pupil.side;
  const std::size_t wavelengths = image.channels.wavelengthsNm.size();
  for (std::size_t i = 0; i < wavelengths; ++i) {
    if (progress.cancelled && progress.cancelled()) return {};
    const double wavelengthNm = image.channels.wavelengthsNm[i];
    const Plan plan(pupil.side, GridAt(settings, image.subsamples, wavelengthNm));
    // Parseval for the pupil's transform: |E|² integrates to N² · Σ|P|² per
    // (λ/D)², so a sub-sample of step² (λ/D)² holds this share of it.
    const double step = plan.Output().stepLambdaOverD;
    const double unit = step * step / (n * n * transmitted);
    Accumulate(FieldAt(pupil, wavelengthNm, plan), unit, image.channels, i, image.subsampled);
    if (progress.progress) progress.progress(static_cast<int>((i + 1) * 100 / wavelengths));
  }
  image.pixels = ChannelPlanes{settings.fieldPixels, image.channels.channelCount, {}};
  for (int c = 0; c < image.channels.channelCount; ++c) {
    const std::vector<double> plane(
        image.subsampled.values.begin() + static_cast<std::ptrdiff_t>(c * finePixels),
        image.subsampled.values.begin() + static_cast<std::ptrdiff_t>((c + 1) * finePixels));
    const std::vector<double> summed = SumSubsamples(plane, settings.fieldPixels, image.subsamples);
    image.pixels.values.insert(image.pixels.values.end(), summed.begin(), summed.end());
  }
  return {std::move(image), CameraRefusal::kNone};
}

}  // namespace voka::camera
