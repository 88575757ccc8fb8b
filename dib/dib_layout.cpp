// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_layout.h"

#include <cstdint>

namespace voka {

namespace {

// A part that ends beyond the block: the file was cut short when the block
// could have held it, the header is nonsense when no accepted block could.
DibRefusal MissingPart(std::uint64_t end) {
  return end > kMaxDibBytes ? DibRefusal::kDamagedHeader : DibRefusal::kTruncated;
}

std::optional<DibLayout> Refuse(DibRefusal why, DibRefusal* reason) {
  if (reason != nullptr) *reason = why;
  return std::nullopt;
}

std::uint32_t TableEntries(const DibLayout& layout, std::uint32_t coloursUsed) {
  if (layout.infoForm && coloursUsed != 0) return coloursUsed;
  return DefaultColourCount(layout.bitCount);
}

bool IsUncompressed(const DibLayout& layout) {
  return layout.compression == kBiRgb || layout.compression == kBiBitfields;
}

void ReadInfoFields(const std::uint8_t* block, DibLayout& layout) {
  layout.infoForm = true;
  const std::int32_t height = ReadI32(block + dib_field::kInfoHeight);
  layout.width = ReadI32(block + dib_field::kInfoWidth);
  layout.height = height < 0 ? -std::int64_t{height} : height;
  layout.topDown = height < 0;
  layout.bitCount = ReadU16(block + dib_field::kInfoBitCount);
  layout.compression = ReadU32(block + dib_field::kInfoCompression);
  layout.entryBytes = 4;
}

void ReadCoreFields(const std::uint8_t* block, DibLayout& layout) {
  layout.width = ReadU16(block + dib_field::kCoreWidth);
  layout.height = ReadU16(block + dib_field::kCoreHeight);
  layout.bitCount = ReadU16(block + dib_field::kCoreBitCount);
  layout.compression = kBiRgb;
  layout.entryBytes = 3;
}

}  // namespace

std::optional<DibLayout> DescribeDib(const std::uint8_t* block, std::size_t size,
                                     DibRefusal* reason) {
  if (block == nullptr || size < kCoreHeaderBytes) return Refuse(DibRefusal::kTruncated, reason);
  const std::uint32_t headerSize = ReadU32(block + dib_field::kHeaderSize);
  DibLayout layout;
  std::uint32_t coloursUsed = 0;
  if (IsInfoHeaderSize(headerSize)) {
    if (headerSize > size) return Refuse(DibRefusal::kTruncated, reason);
    ReadInfoFields(block, layout);
    coloursUsed = ReadU32(block + dib_field::kInfoColoursUsed);
  } else {
    if (headerSize > size) return Refuse(MissingPart(headerSize), reason);
    ReadCoreFields(block, layout);
  }
  // Negative widths do not exist; the most negative height has no magnitude
  // in 32 bits.
  if (layout.width < 0 || layout.height > INT32_MAX)
    return Refuse(DibRefusal::kDamagedHeader, reason);

  // The table size is a 16-bit quantity; a count or table beyond it would be
  // read with a different size than the file holds.
  layout.colourCount = TableEntries(layout, coloursUsed);
  const std::uint64_t tableBytes = std::uint64_t{layout.colourCount} * layout.entryBytes;
  if (layout.colourCount > 0xFFFF || tableBytes > 0xFFFF) {
    return Refuse(DibRefusal::kDamagedHeader, reason);
  }
  const bool masksBehind = headerSize == kInfoHeaderBytes && layout.compression == kBiBitfields;
  const std::uint64_t tableOffset =
      std::uint64_t{headerSize} + (masksBehind ? kBitfieldMaskBytes : 0);
  const std::uint64_t pixelOffset = tableOffset + tableBytes;
  if (pixelOffset > size) return Refuse(MissingPart(pixelOffset), reason);
  layout.tableOffset = static_cast<std::size_t>(tableOffset);
  layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
  if (layout.compression == kBiBitfields && layout.infoForm) {
    // Masks lie at offset 40 both behind a 40-byte header and inside the
    // V2 to V5 headers, and both are known to lie inside the block.
    for (int i = 0; i < 3; ++i) layout.masks[i] = ReadU32(block + dib_field::kInfoMasks + 4 * i);
  }

  if (IsUncompressed(layout) || IsRunLength(layout)) {
    // Width below 2^31 and bit count below 2^16: the product fits 64 bits.
    // A run-length image unpacks to these rows too, so a header claiming
    // more than any block could hold is nonsense whatever its stream says.
    const std::uint64_t rowBits = static_cast<std::uint64_t>(layout.width) * layout.bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const auto rows = static_cast<std::uint64_t>(layout.height);
    if (stride > kMaxDibBytes || (rows != 0 && stride > kMaxDibBytes / rows)) {
      return Refuse(DibRefusal::kDamagedHeader, reason);
    }
    if (IsUncompressed(layout)) layout.rowStride = static_cast<std::size_t>(stride);
  }
  if (reason != nullptr) *reason = DibRefusal::kNone;
  return layout;
}

bool IsInfoHeaderSize(std::uint32_t headerSize) {
  return headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
         headerSize == 124;
}

std::uint64_t DibRowBytes(const DibLayout& layout) {
  return std::uint64_t{layout.rowStride} * static_cast<std::uint64_t>(layout.height);
}

bool IsRunLength(const DibLayout& layout) {
  return layout.infoForm && (layout.compression == kBiRle8 || layout.compression == kBiRle4);
}

bool IsPaintable(const DibLayout& layout) {
  // An image without pixels paints nothing, which would look like a closed pupil.
  if (layout.width == 0 || layout.height == 0) return false;
  const int bits = layout.bitCount;
  if (!layout.infoForm) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  switch (layout.compression) {
    case kBiRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kBiBitfields:
      return bits == 16 || bits == 32;
    case kBiRle8:
      return bits == 8 && !layout.topDown;
    case kBiRle4:
      return bits == 4 && !layout.topDown;
    default:
      return false;
  }
}

}  // namespace voka
