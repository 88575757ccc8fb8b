// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/psf_settings.h"

namespace voka::psf {

std::optional<limits::Refusal> CheckPsfSettings(const PsfSettings& settings) {
  using limits::LimitId;
  if (auto refusal = limits::Check(LimitId::kPadFactor, settings.padFactor, true)) return refusal;
  if (auto refusal = limits::Check(LimitId::kWavelengthNm, settings.wavelengthNm)) return refusal;
  if (auto refusal = limits::Check(LimitId::kApertureMm, settings.apertureDiameterMm))
    return refusal;
  return limits::Check(LimitId::kFocalLengthMm, settings.focalLengthMm);
}

}  // namespace voka::psf
