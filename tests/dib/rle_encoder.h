// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plain run-length encoder for BI_RLE8 and BI_RLE4, written from the
// format's description, to build compressed test images.

#include <cstdint>
#include <vector>

namespace voka::dib_test {

// Indices of one row; `four` selects BI_RLE4 (indices below 16).
inline void EncodeRleRow(const std::uint8_t* row, int width, bool four,
                         std::vector<std::uint8_t>& out) {
  auto pixel = [&](int x) { return row[x]; };
  // Length of the encoded run starting at x: equal pixels (8 bits) or two
  // alternating pixels (4 bits).
  auto runAt = [&](int x) {
    int n = 1;
    while (x + n < width && n < 255 && pixel(x + n) == pixel(x + (four ? (n & 1) : 0))) ++n;
    return n;
  };
  int x = 0;
  while (x < width) {
    const int run = runAt(x);
    if (run >= 3 || width - x < 3) {
      const int n = run >= 3 ? run : 1;
      out.push_back(static_cast<std::uint8_t>(n));
      const std::uint8_t second = x + 1 < width ? pixel(x + 1) : 0;
      out.push_back(four ? static_cast<std::uint8_t>((pixel(x) << 4) | (n > 1 ? second : 0))
                         : pixel(x));
      x += n;
      continue;
    }
    // An absolute run up to the next run worth encoding.
    int n = 0;
    while (x + n < width && n < 255 && (n < 3 || runAt(x + n) < 3)) ++n;
    out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(n));
    std::vector<std::uint8_t> data;
    for (int i = 0; i < n; ++i) {
      if (!four) {
        data.push_back(pixel(x + i));
      } else if (i % 2 == 0) {
        data.push_back(static_cast<std::uint8_t>(pixel(x + i) << 4));
      } else {
        data.back() |= pixel(x + i);
      }
    }
    if (data.size() % 2 == 1) data.push_back(0);
    out.insert(out.end(), data.begin(), data.end());
    x += n;
  }
}

// The whole image, indices top row first, stored bottom row first; every
// row ends with an end-of-line escape, the last with end of bitmap.
inline std::vector<std::uint8_t> EncodeRle(const std::vector<std::uint8_t>& indices, int width,
                                           int height, bool four) {
  std::vector<std::uint8_t> out;
  for (int stored = 0; stored < height; ++stored) {
    const int y = height - 1 - stored;
    EncodeRleRow(indices.data() + static_cast<std::size_t>(y) * width, width, four, out);
    out.push_back(0);
    out.push_back(stored + 1 < height ? 0 : 1);
  }
  return out;
}

}  // namespace voka::dib_test
