// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas.h"

namespace voka {

Canvas::Canvas() : pixels_(static_cast<std::size_t>(kSize) * kSize, kBlack) {}

ColourValue Canvas::GetPixel(int x, int y) const {
  if (!Contains(x, y)) return kBlack;
  return Row(y)[x];
}

void Canvas::SetPixel(int x, int y, ColourValue colour) {
  if (!Contains(x, y)) return;
  // The raster holds 24-bit colour; the top byte of a colour value is never kept.
  Row(y)[x] = colour & 0xFFFFFF;
}

}  // namespace voka
