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

// What a block's header says, checked against the block's length: every
// offset and extent here lies inside the block.
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
};

// Checks the block's header against its length. Refuses (with the reason)
// a header, mask, colour table or pixel rows that do not fit the block, a
// colour count beyond 16 bits or whose table does not fit 16 bits, a negative
// width, and sizes that no block within kMaxDibBytes could hold.
std::optional<DibLayout> DescribeDib(const std::uint8_t* block, std::size_t size,
                                     DibRefusal* reason = nullptr);

// Where the file's own data ends in the block: behind the pixel rows of an
// uncompressed image, behind the colour table otherwise (a compressed stream
// ends with its own end-of-bitmap code).
std::uint64_t DibDataEnd(const DibLayout& layout);

// Whether the painter draws this form, with at least one pixel: BI_RGB at 1, 4, 8, 16, 24, 32 bits,
// BI_BITFIELDS at 16 and 32, bottom-up BI_RLE8 and BI_RLE4, the core form
// at 1, 4, 8 and 24 bits.
bool IsPaintable(const DibLayout& layout);

}  // namespace voka
