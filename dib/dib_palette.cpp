#include "dib/dib_palette.h"

#include "dib/dib_layout.h"

namespace voka {

bool DibMakePalette(const DibHandle& dib, Palette& palette) {
  if (!dib) return false;
  DibLock lock(dib);
  const auto layout = DescribeDib(lock.data(), lock.size());
  if (!layout || layout->colourCount == 0) return false;

  LogPalette record;
  record.entryCount = static_cast<std::uint16_t>(layout->colourCount);
  record.entries.resize(layout->colourCount);
  const std::uint8_t* table = lock.data() + layout->tableOffset;
  for (PaletteEntry& entry : record.entries) {
    // Both entry forms start blue, green, red.
    entry = PaletteEntry{table[2], table[1], table[0], 0};
    table += layout->entryBytes;
  }
  return palette.Create(record);
}

}  // namespace voka
