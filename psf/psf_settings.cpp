#include "psf/psf_settings.h"

#include <cmath>

namespace voka::psf {

namespace {

bool PositiveFinite(double value) {
  return std::isfinite(value) && value > 0.0;
}

}  // namespace

const char* CheckPsfSettings(const PsfSettings& settings) {
  if (settings.padFactor < kMinimumPadFactor || settings.padFactor > kMaximumPadFactor) {
    return "拡大率 (--pad) は 2 から 8 の整数で指定してください。";
  }
  if (!PositiveFinite(settings.wavelengthNm))
    return "波長 (--wavelength-nm) は正の数で指定してください。";
  if (!PositiveFinite(settings.apertureDiameterMm))
    return "口径 (--aperture-mm) は正の数で指定してください。";
  if (!PositiveFinite(settings.focalLengthMm))
    return "焦点距離 (--focal-mm) は正の数で指定してください。";
  return "";
}

}  // namespace voka::psf
