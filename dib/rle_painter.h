#pragma once

#include <cstddef>
#include <cstdint>

#include "canvas/canvas.h"
#include "dib/dib_layout.h"
#include "dib/nearest_map.h"

namespace voka {

// Paints a BI_RLE8 or BI_RLE4 image, stored bottom-up, through the scaling
// maps. The stream is walked once, to its end-of-bitmap escape, the image's
// top row or the block's end, whichever comes first; only canvas pixels
// whose source pixel a run covers are written, each at most once, so pixels
// the stream skips (by end of line, delta or an early end) keep what the
// canvas held. Runs past a row's end are clipped; an instruction cut off by
// the block's end is not carried out.
void PaintRle(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block, std::size_t size,
              const AxisMap& rows, const AxisMap& columns);

}  // namespace voka
