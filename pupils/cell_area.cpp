// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/cell_area.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace voka::pupils {

namespace {

struct Point {
  double x, y;
};

// A square clipped by n half-planes has at most 4 + n corners.
constexpr int kMaxCorners = 16;
using Polygon = std::array<Point, kMaxCorners>;

int ClipBy(const Polygon& in, int count, const HalfPlane& plane, Polygon& out) {
  int kept = 0;
  for (int i = 0; i < count && kept < kMaxCorners - 1; ++i) {
    const Point& a = in[i];
    const Point& b = in[(i + 1) % count];
    const double da = plane.normalX * a.x + plane.normalY * a.y - plane.limit;
    const double db = plane.normalX * b.x + plane.normalY * b.y - plane.limit;
    if (da <= 0) out[kept++] = a;
    if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
      const double t = da / (da - db);
      out[kept++] = Point{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
  }
  return kept;
}

// sqrt(r^2 - x^2) integrated from 0 to x, for 0 <= x <= r.
double UnderArc(double x, double radius) {
  const double height = std::sqrt(std::max(0.0, radius * radius - x * x));
  return 0.5 * (x * height + radius * radius * std::asin(std::min(1.0, x / radius)));
}

// The disc's area within [0, x] x [0, y], x and y not negative.
double QuarterArea(double x, double y, double radius) {
  x = std::min(x, radius);
  y = std::min(y, radius);
  if (x * x + y * y <= radius * radius) return x * y;
  // Beyond xAtY the arc runs below height y.
  const double xAtY = std::sqrt(std::max(0.0, radius * radius - y * y));
  return xAtY * y + UnderArc(x, radius) - UnderArc(xAtY, radius);
}

// The disc's area within the rectangle spanned by the origin and (x, y),
// signed as the corners of an integral are: the disc is symmetric about both
// axes, so each quadrant reduces to QuarterArea.
double SignedCornerArea(double x, double y, double radius) {
  const double sign = (x < 0) == (y < 0) ? 1.0 : -1.0;
  return sign * QuarterArea(std::abs(x), std::abs(y), radius);
}

// Beyond this radius in pixels the exact formula loses digits to cancellation
// (terms of r^2 against areas of 1), while the circle departs from its tangent
// by less than 1/(8r) of a pixel across a pixel: the tangent is then exact enough.
constexpr double kLargeRadiusPixels = 2.0e4;

}  // namespace

double ConvexClipArea(double x0, double y0, double x1, double y1,
                      std::span<const HalfPlane> halfPlanes) {
  Polygon polygon{{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}};
  int count = 4;
  for (const HalfPlane& plane : halfPlanes) {
    Polygon clipped;
    count = ClipBy(polygon, count, plane, clipped);
    polygon = clipped;
    if (count < 3) return 0.0;
  }
  // Shoelace, about the first corner to keep the terms small.
  double twice = 0;
  for (int i = 1; i + 1 < count; ++i) {
    const double ax = polygon[i].x - polygon[0].x, ay = polygon[i].y - polygon[0].y;
    const double bx = polygon[i + 1].x - polygon[0].x, by = polygon[i + 1].y - polygon[0].y;
    twice += ax * by - ay * bx;
  }
  return std::abs(twice) / 2;
}

double DiscArea(double x0, double y0, double x1, double y1, double radius) {
  if (radius <= 0) return 0.0;
  if (radius > kLargeRadiusPixels) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double distance = std::hypot(cx, cy);
    if (distance == 0) return (x1 - x0) * (y1 - y0);
    const HalfPlane tangent{cx / distance, cy / distance, radius};
    return ConvexClipArea(x0, y0, x1, y1, std::span(&tangent, 1));
  }
  return SignedCornerArea(x1, y1, radius) - SignedCornerArea(x0, y1, radius) -
         SignedCornerArea(x1, y0, radius) + SignedCornerArea(x0, y0, radius);
}

}  // namespace voka::pupils
