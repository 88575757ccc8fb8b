#pragma once

#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "dib/dib_rect.h"
#include "dib/palette.h"

namespace voka {

// Paints the source rectangle of the image into the destination rectangle
// of the canvas: pixel for pixel when both have the same size, otherwise
// scaled by taking the nearest source pixel (nothing is blended), upright,
// clipped to the canvas. Returns the number of canvas rows painted, 0 when
// nothing could be painted (see PaintDib).
//
// A null handle returns 0 at once and touches no drawing state. Otherwise
// the palette, when given and not empty, is selected into the canvas for
// the call and the previous one selected back; the stretch mode becomes
// COLORONCOLOR and stays so. The palette changes no colour on the 24-bit
// canvas: colours come from the image's own table or pixels.
int DibDraw(Canvas& target, const DibRect& destination, const DibHandle& dib, const DibRect& source,
            const Palette* palette);

}  // namespace voka
