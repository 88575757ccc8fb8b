// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/open_fraction_render.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>

#include "pupils/blocking_shapes.h"
#include "pupils/design_check.h"
#include "pupils/large_buffer.h"
#include "threads/thread_budget.h"
#include "threads/worker_team.h"

namespace voka::pupils {

namespace {

// The rim, the obstruction and the vanes.
constexpr int kMaxShapes = kMaxVanes + 2;

// Squares of this many pixels are handed to the threads one at a time; most
// lie wholly open or wholly blocked and cost one test per part.
constexpr int kTileSidePixels = 64;

// Where several edges cross one pixel, it is split into quarters this many
// times at most; a piece still crossed by two edges is then judged by its
// centre. Pieces of 1/4^7 of a pixel, and only a few of them along each
// crossing, keep the error far below one grey level.
constexpr int kMaxSplitDepth = 7;

// Below this side one thread is quicker than starting more.
constexpr int kSingleThreadSidePixels = 256;

struct ActiveShapes {
  std::array<std::uint8_t, kMaxShapes> index;
  int count = 0;
};

class Renderer {
 public:
  // Every pixel of `fractions`, which holds side x side values, is written.
  Renderer(const PupilDesign& design, int side, std::vector<double>& fractions)
      : side_(side), shapes_(PlaceOnGrid(design, side)), fractions_(fractions) {}

  void Run() {
    const int tilesAcross = (side_ + kTileSidePixels - 1) / kTileSidePixels;
    const int tileCount = tilesAcross * tilesAcross;
    std::atomic<int> next{0};
    auto work = [&] {
      for (int tile = next++; tile < tileCount; tile = next++) {
        Fill((tile % tilesAcross) * kTileSidePixels, (tile / tilesAcross) * kTileSidePixels,
             kTileSidePixels, All());
      }
    };
    const int workers =
        side_ < kSingleThreadSidePixels ? 1 : std::clamp(threads::ThreadBudget(), 1, tileCount);
    threads::OnWorkers(workers, [&work](int) { work(); });
  }

 private:
  ActiveShapes All() const {
    ActiveShapes all;
    for (std::size_t i = 0; i < shapes_.size(); ++i)
      all.index[all.count++] = static_cast<std::uint8_t>(i);
    return all;
  }

  Cell CellAt(double column, double row, double size) const {
    const double x0 = -side_ / 2.0 + column;
    const double y1 = side_ / 2.0 - row;
    return Cell{x0, y1 - size, x0 + size, y1};
  }

  // The parts that cross the cell; false when one of them blocks it all.
  bool Narrow(const Cell& cell, const ActiveShapes& active, ActiveShapes& crossing) const {
    crossing.count = 0;
    for (int k = 0; k < active.count; ++k) {
      const CellCover cover = Classify(shapes_[active.index[k]], cell);
      if (cover == CellCover::kBlocked) return false;
      if (cover == CellCover::kPartial) crossing.index[crossing.count++] = active.index[k];
    }
    return true;
  }

  void Set(int column, int row, int size, double value) {
    const int columnEnd = std::min(column + size, side_), rowEnd = std::min(row + size, side_);
    for (int j = row; j < rowEnd; ++j)
      std::fill(fractions_.begin() + static_cast<std::ptrdiff_t>(j) * side_ + column,
                fractions_.begin() + static_cast<std::ptrdiff_t>(j) * side_ + columnEnd, value);
  }

  void Fill(int column, int row, int size, const ActiveShapes& active) {
    if (column >= side_ || row >= side_) return;
    const Cell cell = CellAt(column, row, size);
    ActiveShapes crossing;
    if (!Narrow(cell, active, crossing)) return Set(column, row, size, 0.0);
    if (crossing.count == 0) return Set(column, row, size, 1.0);
    if (size == 1) {
      fractions_[static_cast<std::size_t>(row) * side_ + column] =
          std::clamp(OpenArea(cell, crossing, 0), 0.0, 1.0);
      return;
    }
    const int half = size / 2;
    Fill(column, row, half, crossing);
    Fill(column + half, row, half, crossing);
    Fill(column, row + half, half, crossing);
    Fill(column + half, row + half, half, crossing);
  }

  // The open area of a cell that every part in `crossing` crosses.
  double OpenArea(const Cell& cell, const ActiveShapes& crossing, int depth) const {
    if (crossing.count == 1) {
      const double blocked = BlockedArea(shapes_[crossing.index[0]], cell);
      if (blocked >= 0) return cell.Area() - blocked;
    }
    if (depth == kMaxSplitDepth) return CentreIsOpen(cell, crossing) ? cell.Area() : 0.0;
    const double midX = (cell.x0 + cell.x1) / 2, midY = (cell.y0 + cell.y1) / 2;
    const std::array<Cell, 4> quarters{{{cell.x0, cell.y0, midX, midY},
                                        {midX, cell.y0, cell.x1, midY},
                                        {cell.x0, midY, midX, cell.y1},
                                        {midX, midY, cell.x1, cell.y1}}};
    double open = 0;
    for (const Cell& quarter : quarters) {
      ActiveShapes still;
      if (!Narrow(quarter, crossing, still)) continue;
      open += still.count == 0 ? quarter.Area() : OpenArea(quarter, still, depth + 1);
    }
    return open;
  }

  bool CentreIsOpen(const Cell& cell, const ActiveShapes& crossing) const {
    const double x = (cell.x0 + cell.x1) / 2, y = (cell.y0 + cell.y1) / 2;
    for (int k = 0; k < crossing.count; ++k)
      if (BlocksPoint(shapes_[crossing.index[k]], x, y)) return false;
    return true;
  }

  int side_;
  std::vector<BlockingShape> shapes_;
  std::vector<double>& fractions_;
};

std::size_t Pixels(int side) {
  return static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
}

bool CanRender(const PupilDesign& design, int sidePixels) {
  return sidePixels >= 1 && sidePixels <= kMaxRenderSidePixels && !FindDesignProblem(design);
}

}  // namespace

std::vector<double> RenderOpenFraction(const PupilDesign& design, int sidePixels) {
  if (!CanRender(design, sidePixels)) return {};
  std::vector<double> fractions = ZeroedLargeVector(Pixels(sidePixels));
  Renderer(design, sidePixels, fractions).Run();
  return fractions;
}

bool RenderOpenFractionInto(const PupilDesign& design, int sidePixels,
                            std::vector<double>& fractions) {
  if (!CanRender(design, sidePixels)) {
    fractions.clear();
    return false;
  }
  fractions.resize(Pixels(sidePixels));
  Renderer(design, sidePixels, fractions).Run();
  return true;
}

}  // namespace voka::pupils
