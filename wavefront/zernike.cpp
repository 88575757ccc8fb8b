// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/zernike.h"

#include <cmath>

namespace voka::wavefront {

namespace {

double Factorial(int n) {
  double product = 1.0;
  for (int k = 2; k <= n; ++k) product *= k;
  return product;
}

// R_n^m(ρ) = Σ_s (−1)^s (n−s)! / (s! ((n+m)/2−s)! ((n−m)/2−s)!) ρ^(n−2s).
double RadialPolynomial(int n, int m, double radius) {
  double sum = 0.0;
  for (int s = 0; s <= (n - m) / 2; ++s) {
    const double coefficient =
        Factorial(n - s) / (Factorial(s) * Factorial((n + m) / 2 - s) * Factorial((n - m) / 2 - s));
    sum += (s % 2 == 0 ? coefficient : -coefficient) * std::pow(radius, n - 2 * s);
  }
  return sum;
}

}  // namespace

ZernikeOrder NollOrder(int nollIndex) {
  // Row n holds the indices n(n+1)/2 + 1 .. (n+1)(n+2)/2.
  int n = 0;
  while ((n + 1) * (n + 2) / 2 < nollIndex) ++n;
  const int positionInRow = nollIndex - n * (n + 1) / 2 - 1;
  // Within a row |m| rises in pairs: 0, 2, 2, 4, 4 ... or 1, 1, 3, 3 ...
  const int m = n % 2 == 0 ? 2 * ((positionInRow + 1) / 2) : 2 * (positionInRow / 2) + 1;
  return ZernikeOrder{n, m, m == 0 || nollIndex % 2 == 0};
}

double ZernikeValue(int nollIndex, double radius, double angleRadians) {
  const ZernikeOrder order = NollOrder(nollIndex);
  const int n = order.radialOrder;
  const int m = order.azimuthalFrequency;
  const double radial = RadialPolynomial(n, m, radius);
  if (m == 0) return std::sqrt(n + 1.0) * radial;
  const double angular = order.cosine ? std::cos(m * angleRadians) : std::sin(m * angleRadians);
  return std::sqrt(2.0 * (n + 1.0)) * radial * angular;
}

}  // namespace voka::wavefront
