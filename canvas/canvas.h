// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "canvas/colour.h"

namespace voka {

// The off-screen 512x512 raster that every picture is drawn on, and the
// resampler of the pupil image. It holds 24-bit colour, so a pixel reads back
// exactly the colour last written or painted there. Coordinates outside
// 0..511 are clipped without error.
class Canvas {
 public:
  static constexpr int kSize = 512;

  Canvas();  // all black

  static constexpr bool Contains(int x, int y) {
    return x >= 0 && x < kSize && y >= 0 && y < kSize;
  }

  // Pixels outside the canvas read as black and ignore writes.
  ColourValue GetPixel(int x, int y) const;
  void SetPixel(int x, int y, ColourValue colour);

  // Direct row access for painters that have clipped their own work.
  const ColourValue* Row(int y) const { return &pixels_[static_cast<std::size_t>(y) * kSize]; }
  ColourValue* Row(int y) { return &pixels_[static_cast<std::size_t>(y) * kSize]; }

  void SetTextColour(ColourValue colour) { textColour_ = colour; }
  void SetTextBackground(ColourValue colour) { textBackground_ = colour; }
  ColourValue TextColour() const { return textColour_; }
  ColourValue TextBackground() const { return textBackground_; }

  // Draws UTF-8 text with its first character cell's top-left corner at
  // (x, y): characters in the text colour over cells filled with the text
  // background colour, without anti-aliasing, clipped to the canvas.
  void TextOutput(int x, int y, std::string_view utf8);

 private:
  std::vector<ColourValue> pixels_;
  ColourValue textColour_ = kBlack;
  ColourValue textBackground_ = kWhite;
};

// A solid box w pixels wide and h high with its top-left corner at (x, y).
void FillBox(Canvas& canvas, int x, int y, int w, int h, ColourValue colour);

// A straight line 2 pixels wide from (x1, y1) to (x2, y2), both ends included.
void DrawSegment(Canvas& canvas, int x1, int y1, int x2, int y2, ColourValue colour);

}  // namespace voka
