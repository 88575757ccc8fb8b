#pragma once

namespace voka::psf {

// The padded grid is padFactor times the pupil's side. Below 2 the image is
// undersampled (the PSF's spectrum reaches D/λ, so Nyquist needs 2 samples
// per λ/D); above 8 the grid grows faster than it gains.
constexpr int kMinimumPadFactor = 2;
constexpr int kMaximumPadFactor = 8;
constexpr int kDefaultPadFactor = 4;

constexpr double kDefaultWavelengthNm = 550.0;
constexpr double kDefaultApertureDiameterMm = 200.0;
constexpr double kDefaultFocalLengthMm = 1000.0;
// Half-width of the exported star image, in λ/D.
constexpr double kDefaultFieldOfViewLambdaOverD = 32.0;

// The physical setting of one star image. The pupil grid's side spans the
// aperture diameter.
struct PsfSettings {
  int padFactor = kDefaultPadFactor;
  double wavelengthNm = kDefaultWavelengthNm;
  double apertureDiameterMm = kDefaultApertureDiameterMm;
  double focalLengthMm = kDefaultFocalLengthMm;
};

// Empty when the settings can be used; otherwise a Japanese message saying
// which value is out of range and what range is allowed.
const char* CheckPsfSettings(const PsfSettings& settings);

}  // namespace voka::psf
