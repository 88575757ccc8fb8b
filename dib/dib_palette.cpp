// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_palette.h"

namespace voka {

bool Palette::Create(const LogPalette& record) {
  if (!IsEmpty()) return false;
  if (record.version != LogPalette::kVersion || record.entryCount == 0 ||
      record.entryCount != record.entries.size()) {
    return false;
  }
  version_ = record.version;
  entries_ = record.entries;
  return true;
}

bool DibMakePalette(const DibHandle& dib, Palette& palette) {
  if (!dib || dib.Layout().colourCount == 0) return false;
  const DibLayout& layout = dib.Layout();
  LogPalette record;
  record.entryCount = static_cast<std::uint16_t>(layout.colourCount);
  record.entries.resize(layout.colourCount);
  const std::uint8_t* table = dib.Bytes().data() + layout.tableOffset;
  for (PaletteEntry& entry : record.entries) {
    // Both entry forms start blue, green, red.
    entry = PaletteEntry{table[2], table[1], table[0], 0};
    table += layout.entryBytes;
  }
  return palette.Create(record);
}

}  // namespace voka
