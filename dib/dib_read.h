#pragma once

#include <filesystem>

#include "dib/dib_file.h"
#include "dib/dib_handle.h"
#include "dib/dib_refusal.h"

namespace voka {

// The 14-byte BITMAPFILEHEADER that precedes the block in a .bmp file.
inline constexpr std::size_t kFileHeaderBytes = 14;
// Its first two bytes, "BM", read as a little-endian 16-bit value.
inline constexpr std::uint16_t kBitmapMagic = 0x4D42;

// Reads a .bmp file, positioned at its start, into a new block of the file's
// length L: bytes 14 to L - 1 of the file, then 14 zero bytes. The pixel
// offset of the file header is not used; the block's own header says where
// everything lies. Returns a null handle, and the reason if asked, when the
// file is shorter than 14 bytes, does not begin with "BM", is longer than
// kMaxDibBytes or cannot be held in memory, gives fewer bytes than its
// length promised, or has a header whose colour table or pixel rows do not
// fit the block. The file is not closed.
DibHandle DibRead(DibFile& file, DibRefusal* reason = nullptr);

// Opens the file at the path and reads it with DibRead.
DibHandle DibReadPath(const std::filesystem::path& path, DibRefusal* reason = nullptr);

}  // namespace voka
