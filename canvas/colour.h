// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace voka {

// A colour value 0x00BBGGRR: red in the low byte, as the analyses read it.
using ColourValue = std::uint32_t;

inline constexpr ColourValue kBlack = 0x000000;
inline constexpr ColourValue kWhite = 0xFFFFFF;
// The background of the result band and of its captions.
inline constexpr ColourValue kDarkBlue = 0x800000;

constexpr ColourValue Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColourValue{red} | (ColourValue{green} << 8) | (ColourValue{blue} << 16);
}

// Grey of level 0..255: the same level in all three bytes.
constexpr ColourValue Grey(std::uint8_t level) {
  return level * ColourValue{0x010101};
}

// The brightness that the analyses take from a pixel: its red byte.
constexpr int RedOf(ColourValue colour) {
  return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(ColourValue colour) {
  return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(ColourValue colour) {
  return static_cast<int>((colour >> 16) & 0xFF);
}

}  // namespace voka
