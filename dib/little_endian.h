#pragma once

#include <cstdint>

namespace voka {

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

}  // namespace voka
