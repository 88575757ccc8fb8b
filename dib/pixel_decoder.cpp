// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/pixel_decoder.h"

#include <algorithm>
#include <bit>

namespace voka {

IndexColours ReadIndexColours(const DibLayout& layout, const std::uint8_t* block) {
  IndexColours colours{};
  colours.fill(kBlack);
  const std::uint8_t* entry = block + layout.tableOffset;
  const std::uint32_t count = std::min<std::uint32_t>(layout.colourCount, colours.size());
  for (std::uint32_t i = 0; i < count; ++i, entry += layout.entryBytes) {
    colours[i] = Rgb(entry[2], entry[1], entry[0]);
  }
  return colours;
}

std::uint8_t WidenChannel(std::uint32_t value, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  std::uint32_t widened = 0;
  int filled = 0;
  while (filled < 8) {
    widened = (widened << bits) | value;
    filled += bits;
  }
  return static_cast<std::uint8_t>(widened >> (filled - 8));
}

PixelDecoder::PixelDecoder(const DibLayout& layout, const std::uint8_t* block)
    : bitCount_(layout.bitCount),
      bitfields_(layout.compression == kBiBitfields),
      colours_(ReadIndexColours(layout, block)) {
  for (int i = 0; i < 3; ++i) {
    Channel& channel = channels_[i];
    channel.mask = layout.masks[i];
    if (channel.mask == 0) continue;
    channel.shift = std::countr_zero(channel.mask);
    channel.bits = std::bit_width(channel.mask >> channel.shift);
  }
}

ColourValue PixelDecoder::FromMasks(std::uint32_t value) const {
  std::array<std::uint8_t, 3> rgb{};
  for (int i = 0; i < 3; ++i) {
    const Channel& channel = channels_[i];
    rgb[i] = WidenChannel((value & channel.mask) >> channel.shift, channel.bits);
  }
  return Rgb(rgb[0], rgb[1], rgb[2]);
}

ColourValue PixelDecoder::At(const std::uint8_t* row, std::int64_t x) const {
  switch (bitCount_) {
    case 1:
      return colours_[(row[x >> 3] >> (7 - (x & 7))) & 1];
    case 4:
      return colours_[(x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4)];
    case 8:
      return colours_[row[x]];
    case 16: {
      const std::uint16_t value = ReadU16(row + 2 * x);
      if (bitfields_) return FromMasks(value);
      // 5-5-5 with bit 15 unused.
      return Rgb(WidenChannel((value >> 10) & 0x1F, 5), WidenChannel((value >> 5) & 0x1F, 5),
                 WidenChannel(value & 0x1F, 5));
    }
    case 24:
      return Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32:
      if (bitfields_) return FromMasks(ReadU32(row + 4 * x));
      // The fourth byte is ignored.
      return Rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default:
      return kBlack;
  }
}

}  // namespace voka
