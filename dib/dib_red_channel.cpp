// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_red_channel.h"

#include <algorithm>

#include "canvas/canvas.h"
#include "dib/dib_draw.h"
#include "dib/dib_palette.h"

namespace voka {

namespace {

// Copies one tile of the image, pixel for pixel, through the canvas: the
// painter is the one decoder of every bitmap form, so the tile reads exactly
// as the image is shown.
void CopyTile(Canvas& canvas, const DibHandle& dib, const Palette& palette, int left, int top,
              RedChannel& channel) {
  const int tileWidth = std::min(Canvas::kSize, channel.width - left);
  const int tileHeight = std::min(Canvas::kSize, channel.height - top);
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, kBlack);
  DibDraw(canvas, DibRect{0, 0, tileWidth, tileHeight}, dib,
          DibRect{left, top, left + tileWidth, top + tileHeight}, &palette);
  for (int y = 0; y < tileHeight; ++y) {
    const ColourValue* row = canvas.Row(y);
    std::uint8_t* out = &channel.red[static_cast<std::size_t>(top + y) * channel.width +
                                     static_cast<std::size_t>(left)];
    for (int x = 0; x < tileWidth; ++x) out[x] = static_cast<std::uint8_t>(RedOf(row[x]));
  }
}

}  // namespace

RedChannel DibRedChannel(const DibHandle& dib, int maxSide) {
  if (!dib || !DibCanPaint(dib)) return {};
  const DibRect whole = DibWholeImage(dib);
  const std::int64_t width = std::int64_t{whole.right} - whole.left;
  const std::int64_t height = std::int64_t{whole.bottom} - whole.top;
  if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) return {};

  RedChannel channel;
  channel.width = static_cast<int>(width);
  channel.height = static_cast<int>(height);
  channel.red.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  Palette palette;
  DibMakePalette(dib, palette);
  Canvas canvas;
  for (int top = 0; top < channel.height; top += Canvas::kSize)
    for (int left = 0; left < channel.width; left += Canvas::kSize)
      CopyTile(canvas, dib, palette, left, top, channel);
  return channel;
}

}  // namespace voka
