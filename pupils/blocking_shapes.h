// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of a design that block light, placed on the pixel grid of one
// image: lengths in pixels, the image's centre at the origin, y up. The
// renderer asks each part how it covers a square cell of the grid.

#include <vector>

#include "pupils/pupil_design.h"

namespace voka::pupils {

// An axis-aligned square or pixel fraction of the grid, y up.
struct Cell {
  double x0, y0, x1, y1;
  double Area() const { return (x1 - x0) * (y1 - y0); }
};

enum class CellCover {
  kClear,    // the part blocks no point of the cell
  kBlocked,  // the part blocks every point of the cell
  kPartial,
};

enum class BlockingKind {
  kOutsideAperture,  // everything beyond the rim
  kDisc,             // the obstruction
  kStrip,            // a straight vane
  kArcBand,          // a curved vane
};

struct BlockingShape {
  BlockingKind kind = BlockingKind::kDisc;
  double centreX = 0, centreY = 0;  // circle centre; a strip's start
  double radius = 0;                // of the rim, the obstruction or the arc
  double halfWidth = 0;             // of a vane
  double alongX = 1, alongY = 0;    // a strip's direction
  // The arc's two end cuts: unit normals pointing into its sector.
  double startNormalX = 0, startNormalY = 0, endNormalX = 0, endNormalY = 0;
};

// The design's parts on an image whose side of sidePixels spans the aperture.
std::vector<BlockingShape> PlaceOnGrid(const PupilDesign& design, int sidePixels);

CellCover Classify(const BlockingShape& shape, const Cell& cell);

// The blocked area of a cell that the part covers partly, exactly; negative
// when no closed form applies to this cell (near the ends of a curved vane).
double BlockedArea(const BlockingShape& shape, const Cell& cell);

bool BlocksPoint(const BlockingShape& shape, double x, double y);

}  // namespace voka::pupils
