// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/star_light.h"

#include <algorithm>

#include "camera/planck.h"

namespace voka::camera {

Spectrum TableSpectrum(std::vector<SpectrumPoint> table) {
  Spectrum spectrum;
  spectrum.kind = SpectrumKind::kTable;
  if (!table.empty()) {
    spectrum.fromNm = table.front().wavelengthNm;
    spectrum.toNm = table.back().wavelengthNm;
  }
  spectrum.table = std::move(table);
  return spectrum;
}

double InterpolatedAt(const std::vector<double>& x, const std::vector<double>& y, double at) {
  if (x.empty() || at < x.front() || at > x.back()) return 0.0;
  const auto upper = std::lower_bound(x.begin(), x.end(), at);
  const std::size_t high = static_cast<std::size_t>(upper - x.begin());
  if (x[high] == at || high == 0) return y[high];
  const std::size_t low = high - 1;
  const double t = (at - x[low]) / (x[high] - x[low]);
  return y[low] + t * (y[high] - y[low]);
}

double SpectralPower(const Spectrum& spectrum, double wavelengthNm) {
  switch (spectrum.kind) {
    case SpectrumKind::kBlackbody:
      return PlanckRadiancePerNm(wavelengthNm, spectrum.temperatureK);
    case SpectrumKind::kFlat:
      return 1.0;
    case SpectrumKind::kTable: {
      std::vector<double> x;
      std::vector<double> y;
      for (const SpectrumPoint& point : spectrum.table) {
        x.push_back(point.wavelengthNm);
        y.push_back(point.weight);
      }
      return InterpolatedAt(x, y, wavelengthNm);
    }
  }
  return 0.0;
}

}  // namespace voka::camera
