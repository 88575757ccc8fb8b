// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_draw.h"

#include <cstdint>

#include "dib/nearest_map.h"
#include "dib/pixel_decoder.h"
#include "dib/rle_stream.h"

namespace voka {

namespace {

// Extents are computed in 64 bits; the painter takes those that the
// platform's 32-bit widths can express.
bool UsableExtent(std::int64_t extent) {
  return extent > 0 && extent <= INT32_MAX;
}

std::int64_t Width(const DibRect& rect) {
  return std::int64_t{rect.right} - rect.left;
}
std::int64_t Height(const DibRect& rect) {
  return std::int64_t{rect.bottom} - rect.top;
}

void PaintRows(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block,
               const AxisMap& rows, const AxisMap& columns) {
  const PixelDecoder decoder(layout, block);
  const std::uint8_t* pixels = block + layout.pixelOffset;
  for (std::size_t i = 0; i < rows.source.size(); ++i) {
    const std::int64_t upright = rows.source[i];
    const std::int64_t stored = layout.topDown ? upright : layout.height - 1 - upright;
    const std::uint8_t* row = pixels + static_cast<std::size_t>(stored) * layout.rowStride;
    ColourValue* out = canvas.Row(static_cast<int>(rows.first + static_cast<std::int64_t>(i)));
    for (std::size_t j = 0; j < columns.source.size(); ++j) {
      out[columns.first + static_cast<std::int64_t>(j)] = decoder.At(row, columns.source[j]);
    }
  }
}

}  // namespace

int DibDraw(Canvas& target, const DibRect& destination, const DibHandle& dib, const DibRect& source,
            const Palette* /*palette: no colour to realise on a 24-bit canvas*/) {
  if (!DibCanPaint(dib)) return 0;
  if (!UsableExtent(Width(destination)) || !UsableExtent(Height(destination)) ||
      !UsableExtent(Width(source)) || !UsableExtent(Height(source))) {
    return 0;
  }
  const DibLayout& layout = dib.Layout();
  const AxisMap columns = MapAxis(destination.left, Width(destination), source.left, Width(source),
                                  Canvas::kSize, layout.width);
  const AxisMap rows = MapAxis(destination.top, Height(destination), source.top, Height(source),
                               Canvas::kSize, layout.height);
  if (columns.Empty() || rows.Empty()) return 0;

  const std::uint8_t* block = dib.Bytes().data();
  if (IsRunLength(layout)) {
    PaintRle(target, layout, block, rows, columns);
  } else {
    PaintRows(target, layout, block, rows, columns);
  }
  return static_cast<int>(rows.source.size());
}

int DibDrawWhole(Canvas& canvas, const DibRect& destination, const DibHandle& dib) {
  Palette palette;
  DibMakePalette(dib, palette);
  return DibDraw(canvas, destination, dib, DibWholeImage(dib), &palette);
}

DibRect DibWholeImage(const DibHandle& dib) {
  if (!dib) return {};
  // The layout holds the magnitude of the height, below 2^31.
  return DibRect{0, 0, static_cast<std::int32_t>(dib.Layout().width),
                 static_cast<std::int32_t>(dib.Layout().height)};
}

bool DibCanPaint(const DibHandle& dib) {
  return dib && IsPaintable(dib.Layout());
}

}  // namespace voka
