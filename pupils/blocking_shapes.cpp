// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/blocking_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "pupils/cell_area.h"

namespace voka::pupils {

namespace {

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// The nearest and farthest distances from (px, py) to the cell.
struct DistanceRange {
  double nearest, farthest;
};

DistanceRange Distances(const Cell& cell, double px, double py) {
  const double nearX = std::clamp(px, cell.x0, cell.x1) - px;
  const double nearY = std::clamp(py, cell.y0, cell.y1) - py;
  const double farX = std::max(std::abs(cell.x0 - px), std::abs(cell.x1 - px));
  const double farY = std::max(std::abs(cell.y0 - py), std::abs(cell.y1 - py));
  return {std::hypot(nearX, nearY), std::hypot(farX, farY)};
}

// How far the cell reaches from its centre along a unit direction.
double Reach(const Cell& cell, double unitX, double unitY) {
  return ((cell.x1 - cell.x0) * std::abs(unitX) + (cell.y1 - cell.y0) * std::abs(unitY)) / 2;
}

// Signed distance of the cell's centre along a unit direction from a point.
double Along(const Cell& cell, double fromX, double fromY, double unitX, double unitY) {
  return ((cell.x0 + cell.x1) / 2 - fromX) * unitX + ((cell.y0 + cell.y1) / 2 - fromY) * unitY;
}

CellCover ClassifyDisc(const BlockingShape& disc, const Cell& cell, bool blocksInside) {
  const DistanceRange range = Distances(cell, disc.centreX, disc.centreY);
  if (range.farthest <= disc.radius) return blocksInside ? CellCover::kBlocked : CellCover::kClear;
  if (range.nearest >= disc.radius) return blocksInside ? CellCover::kClear : CellCover::kBlocked;
  return CellCover::kPartial;
}

CellCover ClassifyStrip(const BlockingShape& strip, const Cell& cell) {
  const double normalX = -strip.alongY, normalY = strip.alongX;
  const double reach = Reach(cell, strip.alongX, strip.alongY);  // the same across, rotated
  const double along = Along(cell, strip.centreX, strip.centreY, strip.alongX, strip.alongY);
  const double across = std::abs(Along(cell, strip.centreX, strip.centreY, normalX, normalY));
  if (along <= -reach || across >= strip.halfWidth + reach) return CellCover::kClear;
  if (along >= reach && across <= strip.halfWidth - reach) return CellCover::kBlocked;
  return CellCover::kPartial;
}

// Where the cell lies against the arc's sector: wholly inside, wholly
// outside, or across one of its end cuts.
CellCover SectorCover(const BlockingShape& arc, const Cell& cell) {
  const double start = Along(cell, arc.centreX, arc.centreY, arc.startNormalX, arc.startNormalY);
  const double end = Along(cell, arc.centreX, arc.centreY, arc.endNormalX, arc.endNormalY);
  const double startReach = Reach(cell, arc.startNormalX, arc.startNormalY);
  const double endReach = Reach(cell, arc.endNormalX, arc.endNormalY);
  if (start <= -startReach || end <= -endReach) return CellCover::kClear;
  if (start >= startReach && end >= endReach) return CellCover::kBlocked;
  return CellCover::kPartial;
}

CellCover ClassifyArcBand(const BlockingShape& arc, const Cell& cell) {
  const DistanceRange range = Distances(cell, arc.centreX, arc.centreY);
  const double inner = arc.radius - arc.halfWidth, outer = arc.radius + arc.halfWidth;
  if (range.nearest >= outer || range.farthest <= inner) return CellCover::kClear;
  const CellCover sector = SectorCover(arc, cell);
  if (sector == CellCover::kClear) return CellCover::kClear;
  if (sector == CellCover::kBlocked && range.nearest >= inner && range.farthest <= outer)
    return CellCover::kBlocked;
  return CellCover::kPartial;
}

double StripArea(const BlockingShape& strip, const Cell& cell) {
  const double normalX = -strip.alongY, normalY = strip.alongX;
  const double startAlong = strip.alongX * strip.centreX + strip.alongY * strip.centreY;
  const double centreAcross = normalX * strip.centreX + normalY * strip.centreY;
  const std::array<HalfPlane, 3> planes{{
      {-strip.alongX, -strip.alongY, -startAlong},
      {normalX, normalY, centreAcross + strip.halfWidth},
      {-normalX, -normalY, strip.halfWidth - centreAcross},
  }};
  return ConvexClipArea(cell.x0, cell.y0, cell.x1, cell.y1, planes);
}

double DiscAreaAbout(const Cell& cell, double centreX, double centreY, double radius) {
  return DiscArea(cell.x0 - centreX, cell.y0 - centreY, cell.x1 - centreX, cell.y1 - centreY,
                  radius);
}

BlockingShape Strip(const Vane& vane, double pixelsPerMm) {
  BlockingShape strip;
  strip.kind = BlockingKind::kStrip;
  const double angle = Radians(vane.angleDeg);
  strip.alongX = std::cos(angle);
  strip.alongY = std::sin(angle);
  const double offset = vane.offsetMm * pixelsPerMm;
  strip.centreX = -strip.alongY * offset;
  strip.centreY = strip.alongX * offset;
  strip.halfWidth = vane.widthMm * pixelsPerMm / 2;
  return strip;
}

// The arc leaves the origin along its angle; its circle's centre lies at
// radius along the left normal (right for a negative radius), and it sweeps
// until its chord from the origin is half the aperture plus a vane width,
// which carries it past the rim.
BlockingShape ArcBand(const Vane& vane, double pixelsPerMm, double apertureDiameterMm) {
  BlockingShape arc;
  arc.kind = BlockingKind::kArcBand;
  const double angle = Radians(vane.angleDeg);
  const double normalX = -std::sin(angle), normalY = std::cos(angle);
  arc.centreX = normalX * vane.radiusMm * pixelsPerMm;
  arc.centreY = normalY * vane.radiusMm * pixelsPerMm;
  arc.radius = std::abs(vane.radiusMm) * pixelsPerMm;
  arc.halfWidth = vane.widthMm * pixelsPerMm / 2;
  const double chordMm = apertureDiameterMm / 2 + vane.widthMm;
  const double sweep = 2 * std::asin(std::min(1.0, chordMm / (2 * std::abs(vane.radiusMm))));
  const double turn = vane.radiusMm > 0 ? 1.0 : -1.0;  // counter-clockwise about the centre
  // From the centre towards the origin, and towards the arc's far end.
  const double startX = -normalX * turn, startY = -normalY * turn;
  const double endX = startX * std::cos(turn * sweep) - startY * std::sin(turn * sweep);
  const double endY = startX * std::sin(turn * sweep) + startY * std::cos(turn * sweep);
  // Normals into the sector: the start direction turned forwards, the end
  // direction turned back. A sweep of at most half a turn keeps the sector
  // the intersection of these two half-planes.
  arc.startNormalX = -startY * turn;
  arc.startNormalY = startX * turn;
  arc.endNormalX = endY * turn;
  arc.endNormalY = -endX * turn;
  return arc;
}

}  // namespace

std::vector<BlockingShape> PlaceOnGrid(const PupilDesign& design, int sidePixels) {
  const double pixelsPerMm = sidePixels / design.apertureDiameterMm;
  std::vector<BlockingShape> shapes;
  BlockingShape rim;
  rim.kind = BlockingKind::kOutsideAperture;
  rim.radius = sidePixels / 2.0;
  shapes.push_back(rim);
  if (design.obstruction && design.obstruction->diameterMm > 0) {
    BlockingShape disc;
    disc.kind = BlockingKind::kDisc;
    disc.centreX = design.obstruction->offsetXMm * pixelsPerMm;
    disc.centreY = design.obstruction->offsetYMm * pixelsPerMm;
    disc.radius = design.obstruction->diameterMm * pixelsPerMm / 2;
    shapes.push_back(disc);
  }
  for (const Vane& vane : design.vanes) {
    shapes.push_back(vane.shape == VaneShape::kStraight
                         ? Strip(vane, pixelsPerMm)
                         : ArcBand(vane, pixelsPerMm, design.apertureDiameterMm));
  }
  return shapes;
}

CellCover Classify(const BlockingShape& shape, const Cell& cell) {
  switch (shape.kind) {
    case BlockingKind::kOutsideAperture:
      return ClassifyDisc(shape, cell, false);
    case BlockingKind::kDisc:
      return ClassifyDisc(shape, cell, true);
    case BlockingKind::kStrip:
      return ClassifyStrip(shape, cell);
    case BlockingKind::kArcBand:
      return ClassifyArcBand(shape, cell);
  }
  return CellCover::kPartial;
}

double BlockedArea(const BlockingShape& shape, const Cell& cell) {
  switch (shape.kind) {
    case BlockingKind::kOutsideAperture:
      return cell.Area() - DiscAreaAbout(cell, shape.centreX, shape.centreY, shape.radius);
    case BlockingKind::kDisc:
      return DiscAreaAbout(cell, shape.centreX, shape.centreY, shape.radius);
    case BlockingKind::kStrip:
      return StripArea(shape, cell);
    case BlockingKind::kArcBand: {
      if (SectorCover(shape, cell) != CellCover::kBlocked) return -1.0;
      const double inner = std::max(0.0, shape.radius - shape.halfWidth);
      return DiscAreaAbout(cell, shape.centreX, shape.centreY, shape.radius + shape.halfWidth) -
             DiscAreaAbout(cell, shape.centreX, shape.centreY, inner);
    }
  }
  return -1.0;
}

bool BlocksPoint(const BlockingShape& shape, double x, double y) {
  const Cell point{x, y, x, y};
  return Classify(shape, point) == CellCover::kBlocked;
}

}  // namespace voka::pupils
