// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka::camera {

// Spectral radiance of a blackbody per unit wavelength (Planck's law),
// B(λ, T) = 2hc² / λ⁵ / (exp(hc / (λ k T)) − 1), in W · sr⁻¹ · m⁻² per nm.
double PlanckRadiancePerNm(double wavelengthNm, double temperatureK);

// Wien's displacement constant b (m·K): the radiance per unit wavelength
// peaks at λ = b / T. CODATA 2018.
inline constexpr double kWienDisplacementMetreKelvin = 2.897771955e-3;

// Photons per joule at the wavelength: λ / (h c). A detector counts photons,
// so energy weights become photon weights by this factor.
double PhotonsPerJoule(double wavelengthNm);

}  // namespace voka::camera
