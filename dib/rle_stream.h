// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "canvas/canvas.h"
#include "dib/dib_layout.h"
#include "dib/dib_refusal.h"
#include "dib/nearest_map.h"

namespace voka {

// Walks a BI_RLE8 or BI_RLE4 stream (bottom row first) as the reader sees
// it and says whether the painter may trust it:
// - kNone for a stream that stays inside the image and ends with its
//   end-of-bitmap escape anywhere (pixels it never reached keep what the
//   canvas holds), or without one once the top row is complete: after the
//   top row's end-of-line, or right behind the top row's last pixel;
// - kTruncated for a stream that stops before that, or inside an
//   instruction (a missing pad byte of an absolute run included);
// - kDamagedRle for a run that passes the row's end, a delta that moves past
//   the row's end or above the top row, or pixels after the top row.
// A run or delta of RLE4 may reach the pad nibble behind an odd width,
// which writers that pack two pixels per byte emit; it is not painted.
DibRefusal CheckRleStream(const DibLayout& layout, std::span<const std::uint8_t> stream);

// Paints a stream that CheckRleStream accepted through the scaling maps.
// Only canvas pixels whose source pixel a run covers are written, each at
// most once; pixels the stream skips keep what the canvas held.
void PaintRle(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block,
              const AxisMap& rows, const AxisMap& columns);

}  // namespace voka
