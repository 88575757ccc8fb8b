#pragma once

#include <cstddef>
#include <cstdint>

#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "dib/dib_rect.h"

namespace voka {

// Paints the source rectangle of a block into the destination rectangle of
// the canvas, upright (row 0 of the source rectangle at the destination's
// top), pixel for pixel when both have the same size and by nearest-pixel
// scaling otherwise, clipped to the canvas and to the image. Returns the
// number of canvas rows painted; 0 when nothing could be: an empty or
// reversed rectangle, one wider or higher than 2^31 - 1, a block whose
// header does not fit it, a form the painter does not draw, or a
// rectangle that misses the canvas or the image. Costs at most the
// destination's area on the canvas, plus one walk of an RLE stream.
int PaintDib(Canvas& canvas, const DibRect& destination, const std::uint8_t* block,
             std::size_t size, const DibRect& source);

// Whether the painter draws the block's form; false for a null handle and
// for a block whose header does not fit it. The 14-byte "BM" file (no bits
// per pixel) is not drawable.
bool DibCanPaint(const DibHandle& dib);

}  // namespace voka
