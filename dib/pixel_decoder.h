// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "canvas/colour.h"
#include "dib/dib_layout.h"

namespace voka {

// The colours of a block's colour table, indexable by any 8-bit index:
// indices beyond the table are black.
using IndexColours = std::array<ColourValue, 256>;
IndexColours ReadIndexColours(const DibLayout& layout, const std::uint8_t* block);

// Widens a channel of the given width in bits to 8 bits by repeating its
// high bits in the low ones (5 bits: 31 -> 255, 16 -> 132); wider channels
// keep their top 8 bits.
std::uint8_t WidenChannel(std::uint32_t value, int bits);

// The colour of one pixel of an uncompressed row, for every uncompressed
// form the painter draws.
class PixelDecoder {
 public:
  PixelDecoder(const DibLayout& layout, const std::uint8_t* block);
  ColourValue At(const std::uint8_t* row, std::int64_t x) const;

 private:
  struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
  };
  ColourValue FromMasks(std::uint32_t value) const;

  int bitCount_;
  bool bitfields_;
  IndexColours colours_;
  std::array<Channel, 3> channels_;  // red, green, blue
};

}  // namespace voka
