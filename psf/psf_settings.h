// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "limits/refusal.h"

namespace voka::psf {

// The padded grid is padFactor times the pupil's side.
constexpr int kMinimumPadFactor = static_cast<int>(limits::PadFactor().minimum);
constexpr int kMaximumPadFactor = static_cast<int>(limits::PadFactor().maximum);
constexpr int kDefaultPadFactor = static_cast<int>(limits::PadFactor().defaultValue);

constexpr double kDefaultWavelengthNm = limits::WavelengthNm().defaultValue;
constexpr double kDefaultApertureDiameterMm = limits::ApertureMm().defaultValue;
constexpr double kDefaultFocalLengthMm = limits::FocalLengthMm().defaultValue;
// Half-width of the exported star image, in λ/D.
constexpr double kDefaultFieldOfViewLambdaOverD = limits::ExportFieldLambdaOverD().defaultValue;

// The physical setting of one star image. The pupil grid's side spans the
// aperture diameter.
struct PsfSettings {
  int padFactor = kDefaultPadFactor;
  double wavelengthNm = kDefaultWavelengthNm;
  double apertureDiameterMm = kDefaultApertureDiameterMm;
  double focalLengthMm = kDefaultFocalLengthMm;
};

// Nothing when the settings can be used; otherwise which value is out of
// its range (limits::RefusalMessage says it in words).
std::optional<limits::Refusal> CheckPsfSettings(const PsfSettings& settings);

}  // namespace voka::psf
