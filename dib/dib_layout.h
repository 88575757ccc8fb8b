// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "dib/dib_refusal.h"

namespace voka {

// The largest block accepted: far beyond any pupil image (a 16384x16384
// 24-bit bitmap needs 768 MiB) and within what a 32-bit length can carry.
inline constexpr std::uint64_t kMaxDibBytes = std::uint64_t{1} << 30;

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

// Every multi-byte field of a .bmp file is little-endian and may sit at any
// byte offset, so fields are assembled byte by byte.
inline std::uint16_t ReadU16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::uint32_t ReadU32(const std::uint8_t* at) {
  return std::uint32_t{at[0]} | (std::uint32_t{at[1]} << 8) | (std::uint32_t{at[2]} << 16) |
         (std::uint32_t{at[3]} << 24);
}

inline std::int32_t ReadI32(const std::uint8_t* at) {
  return static_cast<std::int32_t>(ReadU32(at));
}

// Header sizes of the information form and its later extensions (V2, V3, V4,
// V5); they all begin with the same 40-byte layout. Any other size is read
// with the 12-byte core layout.
bool IsInfoHeaderSize(std::uint32_t headerSize);

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

// What a block's header says, checked once when the file is read: every
// offset and extent here lies inside the block, so painting and the palette
// trust it without looking at the header again.
struct DibLayout {
  bool infoForm = false;
  std::int64_t width = 0;
  std::int64_t height = 0;  // magnitude of the stored height
  bool topDown = false;     // negative height in the information form
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;  // always BI_RGB in the core form
  std::uint32_t colourCount = 0;
  std::size_t entryBytes = 0;  // 4 (blue, green, red, reserved) or 3 (blue, green, red)
  std::size_t tableOffset = 0;
  std::size_t pixelOffset = 0;
  std::size_t rowStride = 0;             // uncompressed rows only: padded to 4 bytes
  std::array<std::uint32_t, 3> masks{};  // red, green, blue of BI_BITFIELDS
  // End of the file's own bytes in the block; a compressed stream runs from
  // pixelOffset to here.
  std::size_t dataEnd = 0;
};

// Checks the header, masks and colour table of a block against its length
// (dataEnd is left for the caller). Refuses, with the reason, a header,
// mask or colour table that does not fit the block, a colour count beyond
// 16 bits or whose table does not fit 16 bits, a negative width, and rows
// (uncompressed or run-length) whose unpacked size no accepted block could
// hold.
std::optional<DibLayout> DescribeDib(const std::uint8_t* block, std::size_t size,
                                     DibRefusal* reason = nullptr);

// Bytes that the uncompressed pixel rows take: stride times height.
std::uint64_t DibRowBytes(const DibLayout& layout);

bool IsRunLength(const DibLayout& layout);

// Whether the painter draws this form, with at least one pixel: BI_RGB at 1, 4, 8, 16, 24, 32 bits,
// BI_BITFIELDS at 16 and 32, bottom-up BI_RLE8 and BI_RLE4, the core form
// at 1, 4, 8 and 24 bits.
bool IsPaintable(const DibLayout& layout);

}  // namespace voka
