// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact areas of simple regions within an axis-aligned rectangle.

#include <span>

namespace voka::pupils {

// The half-plane normalX * x + normalY * y <= limit.
struct HalfPlane {
  double normalX, normalY, limit;
};

// The area of the rectangle [x0, x1] x [y0, y1] inside every half-plane.
double ConvexClipArea(double x0, double y0, double x1, double y1,
                      std::span<const HalfPlane> halfPlanes);

// The area of the rectangle inside the disc of this radius about the origin.
double DiscArea(double x0, double y0, double x1, double y1, double radius);

}  // namespace voka::pupils
