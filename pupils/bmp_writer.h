// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds .bmp files byte by byte: the sample-pupil generator writes its
// images with it, and the tests build every form of the format with it, so
// that the reader and painter are checked against bytes made another way.

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

#include "canvas/colour.h"

namespace voka::bmp_writer {

using Bytes = std::vector<std::uint8_t>;

// An image as colour values 0x00BBGGRR, top row first.
struct ColourImage {
  int width = 0;
  int height = 0;
  std::vector<ColourValue> pixels;

  ColourImage() = default;
  ColourImage(int w, int h, ColourValue fill = kBlack)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  ColourValue At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  ColourValue& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline void PutU16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void Append(Bytes& out, std::span<const std::uint8_t> more) {
  out.insert(out.end(), more.begin(), more.end());
}

// The fields of an information header and its longer forms (52, 56, 108,
// 124 bytes); the longer forms carry the masks at offset 40 and zeros after.
struct InfoFields {
  std::uint32_t headerSize = 40;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows top-down
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t imageBytes = 0;
  std::uint32_t coloursUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

inline Bytes InfoHeader(const InfoFields& fields) {
  Bytes out;
  PutU32(out, fields.headerSize);
  PutU32(out, static_cast<std::uint32_t>(fields.width));
  PutU32(out, static_cast<std::uint32_t>(fields.height));
  PutU16(out, 1);  // planes
  PutU16(out, fields.bitCount);
  PutU32(out, fields.compression);
  PutU32(out, fields.imageBytes);
  PutU32(out, 2835);  // 72 dots per inch, both ways
  PutU32(out, 2835);
  PutU32(out, fields.coloursUsed);
  PutU32(out, 0);  // important colours
  if (fields.headerSize > 40) {
    for (std::uint32_t mask : fields.masks) PutU32(out, mask);
  }
  out.resize(fields.headerSize, 0);
  return out;
}

inline Bytes CoreHeader(std::uint16_t width, std::uint16_t height, std::uint16_t bitCount) {
  Bytes out;
  PutU32(out, 12);
  PutU16(out, width);
  PutU16(out, height);
  PutU16(out, 1);  // planes
  PutU16(out, bitCount);
  return out;
}

// Entries blue, green, red, and a reserved zero unless the table is of the
// core form.
inline Bytes ColourTable(std::span<const ColourValue> colours, bool coreForm = false) {
  Bytes out;
  for (ColourValue colour : colours) {
    out.push_back(static_cast<std::uint8_t>(BlueOf(colour)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(colour)));
    out.push_back(static_cast<std::uint8_t>(RedOf(colour)));
    if (!coreForm) out.push_back(0);
  }
  return out;
}

inline Bytes Masks(const std::array<std::uint32_t, 3>& masks) {
  Bytes out;
  for (std::uint32_t mask : masks) PutU32(out, mask);
  return out;
}

// Pixel rows of `bits` bits per pixel, each padded to a multiple of 4
// bytes; valueAt(x, y) gives pixel (x, y), y counted from the top, as the
// index (1, 4, 8 bits, packed from the high bits of a byte) or as the
// little-endian word (16, 24, 32 bits) to store. Bottom row first unless
// topDown.
template <typename ValueAt>
Bytes PackRows(int width, int height, int bits, bool topDown, ValueAt valueAt) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  Bytes out(stride * static_cast<std::size_t>(height), 0);
  for (int stored = 0; stored < height; ++stored) {
    const int y = topDown ? stored : height - 1 - stored;
    std::uint8_t* row = out.data() + stride * static_cast<std::size_t>(stored);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t value = valueAt(x, y);
      if (bits < 8) {
        const int bitPosition = x * bits;
        const int shift = 8 - bits - bitPosition % 8;
        row[bitPosition / 8] |= static_cast<std::uint8_t>(value << shift);
      } else {
        for (int b = 0; b < bits / 8; ++b) {
          row[x * (bits / 8) + b] = static_cast<std::uint8_t>(value >> (8 * b));
        }
      }
    }
  }
  return out;
}

// A 24-bit word as stored: blue in the low byte.
inline std::uint32_t StoredBgr(ColourValue colour) {
  return static_cast<std::uint32_t>(BlueOf(colour) | (GreenOf(colour) << 8) |
                                    (RedOf(colour) << 16));
}

// A whole file: the 14-byte file header ("BM", file size, two reserved
// words, offset of the pixel rows from the file's start), then the bitmap.
inline Bytes WithFileHeader(std::span<const std::uint8_t> dib, std::uint32_t pixelOffsetInDib) {
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(14 + dib.size()));
  PutU32(out, 0);
  PutU32(out, 14 + pixelOffsetInDib);
  Append(out, dib);
  return out;
}

// Header, optional table or masks, and rows, joined into a file.
inline Bytes Assemble(std::span<const std::uint8_t> header, std::span<const std::uint8_t> between,
                      std::span<const std::uint8_t> rows) {
  Bytes dib(header.begin(), header.end());
  Append(dib, between);
  const auto pixelOffset = static_cast<std::uint32_t>(dib.size());
  Append(dib, rows);
  return WithFileHeader(dib, pixelOffset);
}

// The common 24-bit form: information header, no colour table.
inline Bytes Bmp24(const ColourImage& image) {
  const Bytes rows = PackRows(image.width, image.height, 24, false,
                              [&](int x, int y) { return StoredBgr(image.At(x, y)); });
  InfoFields fields;
  fields.width = image.width;
  fields.height = image.height;
  fields.bitCount = 24;
  fields.imageBytes = static_cast<std::uint32_t>(rows.size());
  return Assemble(InfoHeader(fields), {}, rows);
}

// The common 8-bit grey form: a table of 256 greys, each pixel's red byte
// taken as its grey level.
inline Bytes Bmp8Grey(const ColourImage& image) {
  std::vector<ColourValue> greys(256);
  for (int level = 0; level < 256; ++level) greys[level] = Grey(static_cast<std::uint8_t>(level));
  const Bytes rows = PackRows(image.width, image.height, 8, false, [&](int x, int y) {
    return static_cast<std::uint32_t>(RedOf(image.At(x, y)));
  });
  InfoFields fields;
  fields.width = image.width;
  fields.height = image.height;
  fields.bitCount = 8;
  fields.imageBytes = static_cast<std::uint32_t>(rows.size());
  return Assemble(InfoHeader(fields), ColourTable(greys), rows);
}

inline bool WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace voka::bmp_writer
