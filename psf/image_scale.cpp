// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/image_scale.h"

#include <numbers>

namespace voka::psf {

namespace {

constexpr double kArcsecPerRadian = 180.0 * 3600.0 / std::numbers::pi;
constexpr double kMicrometresPerNanometre = 1e-3;
constexpr double kAiryRadiusLambdaOverD = 1.22;

}  // namespace

ImageScale ComputeImageScale(const PsfSettings& settings) {
  ImageScale scale;
  // λ/D is dimensionless (radians); nm over mm needs 1e-6.
  const double lambdaOverDRadians = settings.wavelengthNm * 1e-6 / settings.apertureDiameterMm;
  scale.lambdaOverDArcsec = lambdaOverDRadians * kArcsecPerRadian;
  scale.lambdaOverDMicrometres = settings.wavelengthNm * kMicrometresPerNanometre *
                                 settings.focalLengthMm / settings.apertureDiameterMm;
  scale.pixelLambdaOverD = 1.0 / settings.padFactor;
  scale.pixelArcsec = scale.lambdaOverDArcsec * scale.pixelLambdaOverD;
  scale.pixelMicrometres = scale.lambdaOverDMicrometres * scale.pixelLambdaOverD;
  scale.airyRadiusLambdaOverD = kAiryRadiusLambdaOverD;
  scale.airyRadiusArcsec = kAiryRadiusLambdaOverD * scale.lambdaOverDArcsec;
  scale.airyRadiusMicrometres = kAiryRadiusLambdaOverD * scale.lambdaOverDMicrometres;
  return scale;
}

}  // namespace voka::psf
