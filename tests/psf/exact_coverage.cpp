// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_coverage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace voka::psf::test {

namespace {

// ∫ sqrt(R² - x²) dx.
double ChordIntegral(double x, double radius) {
  const double clamped = std::clamp(x, -radius, radius);
  return 0.5 * (clamped * std::sqrt(radius * radius - clamped * clamped) +
                radius * radius * std::asin(clamped / radius));
}

// Area of the disc (centred at the origin) within [x0, x1] x [y0, y1]: the
// strip's height inside the disc, integrated piece by piece between the
// points where it changes form, each piece in closed form.
double RectangleInDisc(double x0, double x1, double y0, double y1, double radius) {
  std::vector<double> cuts = {x0, x1};
  for (double y : {y0, y1}) {
    if (std::abs(y) <= radius) {
      const double x = std::sqrt(radius * radius - y * y);
      cuts.push_back(x);
      cuts.push_back(-x);
    }
  }
  cuts.push_back(radius);
  cuts.push_back(-radius);
  std::sort(cuts.begin(), cuts.end());
  double area = 0.0;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double a = std::max(cuts[i], x0);
    const double b = std::min(cuts[i + 1], x1);
    if (b <= a) continue;
    const double middle = 0.5 * (a + b);
    if (std::abs(middle) >= radius) continue;
    const double half = std::sqrt(radius * radius - middle * middle);
    const bool topIsEdge = half < y1;
    const bool bottomIsEdge = -half > y0;
    if ((topIsEdge ? half : y1) <= (bottomIsEdge ? -half : y0)) continue;
    const double arc = ChordIntegral(b, radius) - ChordIntegral(a, radius);
    area += (topIsEdge ? arc : y1 * (b - a)) - (bottomIsEdge ? -arc : y0 * (b - a));
  }
  return area;
}

// Area of the pixel inside the convex polygon (counter-clockwise), by
// clipping the pixel's square against each edge.
double PixelInPolygon(int row, int column, const std::vector<std::array<double, 2>>& polygon) {
  std::vector<std::array<double, 2>> shape = {{double(column), double(row)},
                                              {column + 1.0, double(row)},
                                              {column + 1.0, row + 1.0},
                                              {double(column), row + 1.0}};
  for (std::size_t e = 0; e < polygon.size() && !shape.empty(); ++e) {
    const auto& p = polygon[e];
    const auto& q = polygon[(e + 1) % polygon.size()];
    const auto side = [&](const std::array<double, 2>& v) {
      return (q[0] - p[0]) * (v[1] - p[1]) - (q[1] - p[1]) * (v[0] - p[0]);
    };
    std::vector<std::array<double, 2>> kept;
    for (std::size_t i = 0; i < shape.size(); ++i) {
      const auto& u = shape[i];
      const auto& v = shape[(i + 1) % shape.size()];
      const double su = side(u);
      const double sv = side(v);
      if (su >= 0) kept.push_back(u);
      if ((su >= 0) != (sv >= 0)) {
        const double t = su / (su - sv);
        kept.push_back({u[0] + t * (v[0] - u[0]), u[1] + t * (v[1] - u[1])});
      }
    }
    shape = std::move(kept);
  }
  double twiceArea = 0.0;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const auto& u = shape[i];
    const auto& v = shape[(i + 1) % shape.size()];
    twiceArea += u[0] * v[1] - v[0] * u[1];
  }
  return std::abs(twiceArea) / 2.0;
}

// A radial vane from the centre to beyond the rim, in pixel coordinates
// (y down), as a polygon whose orientation the clipper accepts.
std::vector<std::array<double, 2>> VanePolygon(double centre, double length, double width,
                                               double angleDeg) {
  const double angle = angleDeg * std::numbers::pi / 180.0;
  const double dx = std::cos(angle);
  const double dy = -std::sin(angle);  // y down
  const double nx = -dy * width / 2;
  const double ny = dx * width / 2;
  std::vector<std::array<double, 2>> polygon = {
      {centre + nx, centre + ny},
      {centre - nx, centre - ny},
      {centre - nx + dx * length, centre - ny + dy * length},
      {centre + nx + dx * length, centre + ny + dy * length}};
  // The clipper keeps the left of each edge; make the polygon turn that way.
  double twiceArea = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const auto& u = polygon[i];
    const auto& v = polygon[(i + 1) % polygon.size()];
    twiceArea += u[0] * v[1] - v[0] * u[1];
  }
  if (twiceArea < 0) std::reverse(polygon.begin(), polygon.end());
  return polygon;
}

constexpr int kFineSamples = 32;

}  // namespace

double DiscCoverage(int row, int column, double centreX, double centreY, double radius) {
  if (radius <= 0.0) return 0.0;
  return RectangleInDisc(column - centreX, column + 1 - centreX, row - centreY, row + 1 - centreY,
                         radius);
}

PupilAmplitude AnnularPupil(int side, double obstructionRatio, double obstructionOffsetX,
                            double obstructionOffsetY) {
  PupilAmplitude pupil;
  pupil.side = side;
  pupil.amplitude.resize(static_cast<std::size_t>(side) * side);
  const double centre = side / 2.0;
  const double radius = side / 2.0;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const double open = DiscCoverage(row, column, centre, centre, radius) -
                          DiscCoverage(row, column, centre + obstructionOffsetX,
                                       centre + obstructionOffsetY, obstructionRatio * radius);
      pupil.amplitude[static_cast<std::size_t>(row) * side + column] = std::clamp(open, 0.0, 1.0);
    }
  }
  return pupil;
}

PupilAmplitude VanedPupil(int side, double obstructionRatio, double vaneWidthPixels,
                          const std::vector<double>& vaneAnglesDeg) {
  PupilAmplitude pupil = AnnularPupil(side, obstructionRatio);
  pupil.vaneAnglesDeg = vaneAnglesDeg;
  const double centre = side / 2.0;
  const double radius = side / 2.0;
  const double inner = obstructionRatio * radius;
  for (double angle : vaneAnglesDeg) {
    const auto polygon = VanePolygon(centre, radius * 1.5, vaneWidthPixels, angle);
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        const double vane = PixelInPolygon(row, column, polygon);
        if (vane == 0.0) continue;
        double& open = pupil.amplitude[static_cast<std::size_t>(row) * side + column];
        const bool wholeInAnnulus =
            DiscCoverage(row, column, centre, centre, radius) > 1.0 - 1e-12 &&
            DiscCoverage(row, column, centre, centre, inner) < 1e-12;
        if (wholeInAnnulus) {
          open = std::max(0.0, open - vane);
          continue;
        }
        // Where the vane meets a rim, count fine samples instead.
        int inside = 0;
        for (int sy = 0; sy < kFineSamples; ++sy) {
          for (int sx = 0; sx < kFineSamples; ++sx) {
            const double x = column + (sx + 0.5) / kFineSamples - centre;
            const double y = row + (sy + 0.5) / kFineSamples - centre;
            const double r = std::hypot(x, y);
            const double along = x * std::cos(angle * std::numbers::pi / 180) -
                                 y * std::sin(angle * std::numbers::pi / 180);
            const double across = x * std::sin(angle * std::numbers::pi / 180) +
                                  y * std::cos(angle * std::numbers::pi / 180);
            const bool inVane = along >= 0 && std::abs(across) <= vaneWidthPixels / 2;
            if (r <= radius && r >= inner && inVane) ++inside;
          }
        }
        open = std::max(0.0, open - double(inside) / (kFineSamples * kFineSamples));
      }
    }
  }
  return pupil;
}

void AddCurvedVane(PupilAmplitude& pupil, double centreX, double centreY, double radius,
                   double widthPixels) {
  constexpr int kSamples = 8;
  for (int row = 0; row < pupil.side; ++row) {
    for (int column = 0; column < pupil.side; ++column) {
      int covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = column + (sx + 0.5) / kSamples - centreX;
          const double y = row + (sy + 0.5) / kSamples - centreY;
          if (std::abs(std::hypot(x, y) - radius) <= widthPixels / 2) ++covered;
        }
      }
      double& open = pupil.amplitude[static_cast<std::size_t>(row) * pupil.side + column];
      open *= 1.0 - double(covered) / (kSamples * kSamples);
    }
  }
}

}  // namespace voka::psf::test
