#pragma once

#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "dib/dib_rect.h"

namespace voka {

// Paints the whole image into the destination rectangle of the canvas with a
// palette made from its own colour table, as every command shows a pupil:
// scaled to the rectangle whatever its aspect ratio. Returns DibDraw's result.
int DibDrawWhole(Canvas& canvas, const DibRect& destination, const DibHandle& dib);

}  // namespace voka
