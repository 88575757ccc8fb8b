// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "dib/dib_palette.h"

namespace voka {

// A rectangle in pixels; right and bottom are exclusive. Source rectangles
// count image rows from the image's top as it is seen, whichever order its
// rows are stored in.
struct DibRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// Paints the source rectangle of the image into the destination rectangle
// of the canvas, upright (row 0 of the source rectangle at the
// destination's top): pixel for pixel when both have the same size,
// otherwise scaled by taking the nearest source pixel (nothing is blended),
// clipped to the canvas and to the image. Returns the number of canvas rows
// painted; 0 for a null handle, a form the painter does not draw, an empty
// or reversed rectangle, one wider or higher than 2^31 - 1, or a rectangle
// that misses the canvas or the image. Costs at most the destination's
// area on the canvas, plus one walk of a run-length stream.
//
// The palette made by DibMakePalette goes with every call, as on a palette
// screen; the 24-bit canvas shows the image's own colours exactly, so it
// changes nothing here.
int DibDraw(Canvas& target, const DibRect& destination, const DibHandle& dib, const DibRect& source,
            const Palette* palette);

// Paints the whole image into the destination rectangle with a palette made
// from its own colour table, as every command shows a pupil: scaled to the
// rectangle whatever its aspect ratio. Returns DibDraw's result.
int DibDrawWhole(Canvas& canvas, const DibRect& destination, const DibHandle& dib);

// The source rectangle of the whole image: (0, 0, width, |height|); empty
// for a null handle.
DibRect DibWholeImage(const DibHandle& dib);

// Whether the painter draws the image's form; false for a null handle. The
// 14-byte "BM" file (no bits per pixel) is not drawable.
bool DibCanPaint(const DibHandle& dib);

}  // namespace voka
