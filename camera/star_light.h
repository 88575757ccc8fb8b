// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "limits/limits.h"

namespace voka::camera {

// Spectra are stated in energy units: relative power per nanometre (W/nm).
// A detector counts photons, so the camera and mono modes multiply by
// λ/hc (PhotonsPerJoule); the visual mode weights by power, as the CIE's
// colour-matching functions are defined for radiant power.

enum class SpectrumKind { kBlackbody, kFlat, kTable };

struct SpectrumPoint {
  double wavelengthNm = 0.0;
  double weight = 0.0;  // relative power per nm, at least 0
};

struct Spectrum {
  SpectrumKind kind = SpectrumKind::kBlackbody;
  double temperatureK = limits::TemperatureK().defaultValue;  // blackbody only
  // The band the samples cover; a table's band is its first and last
  // wavelength.
  double fromNm = limits::BandFromNm().defaultValue;
  double toNm = limits::BandToNm().defaultValue;
  std::vector<SpectrumPoint> table;  // ascending wavelengths; table only
};

// A table's spectrum with its band set to the table's ends.
Spectrum TableSpectrum(std::vector<SpectrumPoint> table);

// The relative power per nm at a wavelength: Planck's law, a constant, or
// the table interpolated linearly (0 outside it).
double SpectralPower(const Spectrum& spectrum, double wavelengthNm);

// Linear interpolation of (x, y) samples with ascending x, 0 outside.
double InterpolatedAt(const std::vector<double>& x, const std::vector<double>& y, double at);

}  // namespace voka::camera
