// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "dib/dib_handle.h"

namespace voka {

// One entry of a logical palette, in the platform's PALETTEENTRY order.
struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// The record a logical palette is created from (the platform's LOGPALETTE).
struct LogPalette {
  static constexpr std::uint16_t kVersion = 0x300;
  std::uint16_t version = kVersion;
  std::uint16_t entryCount = 0;
  std::vector<PaletteEntry> entries;
};

// A palette object: owns at most one logical palette, made from an
// image's colour table and handed to DibDraw with it.
class Palette {
 public:
  // Creates the logical palette from the record; false, leaving the object
  // as it was, for a record of another version, without entries or whose
  // count disagrees with its entries, or when the object already holds one.
  bool Create(const LogPalette& record);

  bool IsEmpty() const { return entries_.empty(); }
  std::uint16_t Version() const { return version_; }
  std::span<const PaletteEntry> Entries() const { return entries_; }

 private:
  std::uint16_t version_ = 0;
  std::vector<PaletteEntry> entries_;
};

// Creates a logical palette in the given (empty) palette object from the
// image's colour table, in table order, flags 0. False, leaving the object
// empty, for a null handle or an image without a colour table (more than 8
// bits per pixel and no biClrUsed).
bool DibMakePalette(const DibHandle& dib, Palette& palette);

}  // namespace voka
