// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/opd_map.h"

#include <cmath>
#include <cstddef>

#include "wavefront/zernike.h"

namespace voka::wavefront {

std::vector<double> OpdMapNm(const std::map<int, double>& zernikeRmsNm, int side) {
  if (side < 1) return {};
  for (const auto& [nollIndex, coefficient] : zernikeRmsNm) {
    if (nollIndex < 1 || nollIndex > kMaximumNollIndex || !std::isfinite(coefficient)) return {};
  }
  const std::size_t count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
  std::vector<double> opd(count, 0.0);
  const double halfSide = side / 2.0;
  for (int row = 0; row < side; ++row) {
    const double y = (halfSide - row - 0.5) / halfSide;
    for (int column = 0; column < side; ++column) {
      const double x = (column + 0.5 - halfSide) / halfSide;
      const double radius = std::hypot(x, y);
      const double angle = std::atan2(y, x);
      double sum = 0.0;
      for (const auto& [nollIndex, coefficient] : zernikeRmsNm) {
        sum += coefficient * ZernikeValue(nollIndex, radius, angle);
      }
      opd[static_cast<std::size_t>(row) * side + column] = sum;
    }
  }
  return opd;
}

}  // namespace voka::wavefront
