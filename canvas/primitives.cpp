// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "canvas/canvas.h"

namespace voka {

void FillBox(Canvas& canvas, int x, int y, int w, int h, ColourValue colour) {
  // 64-bit ends so that extreme arguments cannot overflow before clipping.
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + w, Canvas::kSize);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + h, Canvas::kSize);
  if (left >= right || top >= bottom) return;
  const ColourValue value = colour & 0xFFFFFF;
  for (auto row = top; row < bottom; ++row) {
    ColourValue* line = canvas.Row(static_cast<int>(row));
    std::fill(line + left, line + right, value);
  }
}

namespace {

// Clips the segment to a band a little wider than the canvas so that the
// walk below never takes more steps than the canvas has pixels, whatever the
// arguments. Returns false when the segment misses the band.
bool ClipToBand(double& x1, double& y1, double& x2, double& y2) {
  constexpr double kLow = -2.0;
  constexpr double kHigh = Canvas::kSize + 1.0;
  double t0 = 0.0, t1 = 1.0;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - kLow, kHigh - x1, y1 - kLow, kHigh - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double ox = x1, oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

}  // namespace

void DrawSegment(Canvas& canvas, int x1, int y1, int x2, int y2, ColourValue colour) {
  double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
  if (!ClipToBand(fx1, fy1, fx2, fy2)) return;
  const int ax = static_cast<int>(std::lround(fx1)), ay = static_cast<int>(std::lround(fy1));
  const int bx = static_cast<int>(std::lround(fx2)), by = static_cast<int>(std::lround(fy2));

  // Bresenham's walk; the second pixel of the 2-pixel width lies across the
  // main direction of the line, below a flat line and right of a steep one.
  const int dx = std::abs(bx - ax), dy = std::abs(by - ay);
  const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
  const bool flat = dx >= dy;
  int error = dx - dy;
  int x = ax, y = ay;
  for (;;) {
    canvas.SetPixel(x, y, colour);
    canvas.SetPixel(flat ? x : x + 1, flat ? y + 1 : y, colour);
    if (x == bx && y == by) break;
    const int twice = 2 * error;
    if (twice > -dy) {
      error -= dy;
      x += sx;
    }
    if (twice < dx) {
      error += dx;
      y += sy;
    }
  }
}

}  // namespace voka
