// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the bitmap tests: files are built with the independent writer
// of pupils/bmp_writer.h, read through the in-memory file, painted onto a
// canvas and compared with the image they were built from.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/canvas.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "pupils/bmp_writer.h"

namespace voka::dib_test {

using bmp_writer::Bytes;
using bmp_writer::ColourImage;

// A colour that no test image uses, so untouched canvas pixels show.
inline constexpr ColourValue kBackground = 0x5A3C1E;

inline DibHandle ReadBytes(const Bytes& file, DibRefusal* reason = nullptr) {
  DibMemoryFile memory(file);
  return DibRead(memory, reason);
}

// A deterministic scatter of values in [0, modulus), for images without
// structure that a decoder could get right by accident.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  std::uint32_t Next(std::uint32_t modulus) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % modulus;
  }

 private:
  std::uint32_t state_;
};

inline ColourImage ScatteredColours(int width, int height, std::uint32_t seed) {
  ColourImage image(width, height);
  Scatter scatter(seed);
  for (ColourValue& pixel : image.pixels) pixel = scatter.Next(0x1000000);
  return image;
}

// Indices in [0, modulus), row-major, top row first.
inline std::vector<std::uint8_t> ScatteredIndices(int width, int height, std::uint32_t modulus,
                                                  std::uint32_t seed) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height);
  Scatter scatter(seed);
  for (std::uint8_t& index : indices) index = static_cast<std::uint8_t>(scatter.Next(modulus));
  return indices;
}

inline ColourImage CanvasRegion(const Canvas& canvas, int left, int top, int width, int height) {
  ColourImage region(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) region.At(x, y) = canvas.GetPixel(left + x, top + y);
  }
  return region;
}

// Paints the whole image pixel for pixel at the canvas's top-left corner,
// over the background colour; returns what the canvas then shows there.
inline ColourImage PaintSameSize(const DibHandle& dib, int width, int height,
                                 int* lines = nullptr) {
  Canvas canvas;
  FillBox(canvas, 0, 0, Canvas::kSize, Canvas::kSize, kBackground);
  const DibRect rect{0, 0, width, height};
  const int painted = DibDraw(canvas, rect, dib, rect, nullptr);
  if (lines != nullptr) *lines = painted;
  return CanvasRegion(canvas, 0, 0, width, height);
}

inline ::testing::AssertionResult SameImage(const ColourImage& got, const ColourImage& expected) {
  if (got.width != expected.width || got.height != expected.height) {
    return ::testing::AssertionFailure()
           << "size " << got.width << "x" << got.height << " expected " << expected.width << "x"
           << expected.height;
  }
  for (int y = 0; y < got.height; ++y) {
    for (int x = 0; x < got.width; ++x) {
      if (got.At(x, y) != expected.At(x, y)) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") result=0x" << std::hex << got.At(x, y)
               << " expected=0x" << expected.At(x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace voka::dib_test
