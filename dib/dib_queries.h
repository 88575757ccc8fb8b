#pragma once

#include <cstdint>

namespace voka {

// Header sizes of the information form and its later extensions (V2, V3, V4,
// V5); they all begin with the same 40-byte layout. Any other size is read
// with the 12-byte core layout.
bool IsInfoHeaderSize(std::uint32_t headerSize);

// Byte offsets of the header fields that the module reads.
namespace dib_field {
inline constexpr int kHeaderSize = 0;
inline constexpr int kInfoWidth = 4;      // signed 32 bits
inline constexpr int kInfoHeight = 8;     // signed 32 bits; negative: rows run top-down
inline constexpr int kInfoBitCount = 14;  // unsigned 16 bits
inline constexpr int kInfoCompression = 16;
inline constexpr int kInfoColoursUsed = 32;
inline constexpr int kInfoMasks = 40;  // red, green, blue masks of V2 and later headers
inline constexpr int kCoreWidth = 4;   // unsigned 16 bits
inline constexpr int kCoreHeight = 6;  // unsigned 16 bits, rows always bottom-up
inline constexpr int kCoreBitCount = 10;
}  // namespace dib_field

inline constexpr int kInfoHeaderBytes = 40;
inline constexpr int kCoreHeaderBytes = 12;
// BI_BITFIELDS behind a 40-byte header: three 32-bit masks precede the
// colour table and the pixel rows.
inline constexpr int kBitfieldMaskBytes = 12;

enum DibCompression : std::uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitfields = 3,
};

// The queries take the address of a block's first byte (the header). They
// trust the header: use them on blocks that DibRead accepted, whose header,
// colour table and pixel rows are known to lie inside the block.

// Colour-table entries that a bit count implies when biClrUsed is 0: 2, 16 or
// 256 for 1, 4 or 8 bits per pixel, 0 for every other count.
constexpr std::uint16_t DefaultColourCount(unsigned bitCount) {
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

// biWidth as it stands (information form) or bcWidth zero-extended (core form).
std::int32_t DibWidth(const std::uint8_t* header);
// biHeight as it stands, negative for top-down rows (information form), or
// bcHeight zero-extended (core form).
std::int32_t DibHeight(const std::uint8_t* header);
// Entries of the colour table: a non-zero biClrUsed wins; otherwise 2, 16 or
// 256 for 1, 4 or 8 bits per pixel, and 0 for every other bit count.
std::uint16_t DibColorCount(const std::uint8_t* header);
// 4 bytes per entry in the information form, 3 in the core form.
std::uint16_t DibColorTableBytes(const std::uint8_t* header);
// Where the colour table starts: behind the header, and behind the three
// masks of BI_BITFIELDS when the header has exactly 40 bytes.
const std::uint8_t* DibColorTable(const std::uint8_t* header);
// The first pixel row: behind the colour table.
const std::uint8_t* DibPixelBits(const std::uint8_t* header);

}  // namespace voka
