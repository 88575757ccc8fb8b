#include "dib/dib_queries.h"

#include "dib/little_endian.h"

namespace voka {

namespace {

bool IsInfoForm(const std::uint8_t* header) {
  return IsInfoHeaderSize(ReadU32(header + dib_field::kHeaderSize));
}

std::uint16_t BitCount(const std::uint8_t* header) {
  return ReadU16(header +
                 (IsInfoForm(header) ? dib_field::kInfoBitCount : dib_field::kCoreBitCount));
}

bool HasMasksBehindHeader(const std::uint8_t* header) {
  return ReadU32(header) == kInfoHeaderBytes &&
         ReadU32(header + dib_field::kInfoCompression) == kBiBitfields;
}

}  // namespace

bool IsInfoHeaderSize(std::uint32_t headerSize) {
  return headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
         headerSize == 124;
}

std::int32_t DibWidth(const std::uint8_t* header) {
  if (IsInfoForm(header)) return ReadI32(header + dib_field::kInfoWidth);
  return ReadU16(header + dib_field::kCoreWidth);
}

std::int32_t DibHeight(const std::uint8_t* header) {
  if (IsInfoForm(header)) return ReadI32(header + dib_field::kInfoHeight);
  return ReadU16(header + dib_field::kCoreHeight);
}

std::uint16_t DibColorCount(const std::uint8_t* header) {
  if (IsInfoForm(header)) {
    const std::uint32_t used = ReadU32(header + dib_field::kInfoColoursUsed);
    if (used != 0) return static_cast<std::uint16_t>(used);
  }
  return DefaultColourCount(BitCount(header));
}

std::uint16_t DibColorTableBytes(const std::uint8_t* header) {
  const unsigned entryBytes = IsInfoForm(header) ? 4 : 3;
  return static_cast<std::uint16_t>(DibColorCount(header) * entryBytes);
}

const std::uint8_t* DibColorTable(const std::uint8_t* header) {
  const std::uint32_t behindHeader = ReadU32(header + dib_field::kHeaderSize);
  return header + behindHeader + (HasMasksBehindHeader(header) ? kBitfieldMaskBytes : 0);
}

const std::uint8_t* DibPixelBits(const std::uint8_t* header) {
  return DibColorTable(header) + DibColorTableBytes(header);
}

}  // namespace voka
