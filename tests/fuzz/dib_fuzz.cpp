// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the bitmap reader as a file, then checks the
// layout it accepted and runs the palette and the painter on it. The painting
// rectangles come from a hash of the input, so that seeds stay valid files.

#include <cstddef>
#include <cstdint>
#include <span>

#include "canvas/canvas.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"

namespace {

using voka::DibRect;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::uint64_t Hash(const std::uint8_t* data, std::size_t size) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
  return hash;
}

std::uint32_t NextBits(std::uint64_t& bits) {
  bits = bits * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<std::uint32_t>(bits >> 33);
}

// A corner near the canvas most of the time, an extreme one sometimes.
std::int32_t Corner(std::uint64_t& bits) {
  const std::uint32_t pick = NextBits(bits);
  switch (pick % 16) {
    case 0:
      return INT32_MIN;
    case 1:
      return INT32_MAX;
    default:
      return static_cast<std::int32_t>((pick >> 4) % 800) - 150;
  }
}

// Mostly small extents, which keep the fuzzer fast; now and then an empty,
// reversed or enormous one.
std::int32_t Extent(std::uint64_t& bits) {
  const std::uint32_t pick = NextBits(bits);
  switch (pick % 16) {
    case 0:
      return INT32_MAX;
    case 1:
      return -static_cast<std::int32_t>((pick >> 4) % 3);
    default:
      return static_cast<std::int32_t>((pick >> 4) % 160) + 1;
  }
}

// Right and bottom may wrap around like the platform's 32-bit arithmetic.
std::int32_t Beyond(std::int32_t start, std::int32_t extent) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(start) +
                                   static_cast<std::uint32_t>(extent));
}

DibRect Rectangle(std::uint64_t& bits) {
  const std::int32_t left = Corner(bits);
  const std::int32_t top = Corner(bits);
  return {left, top, Beyond(left, Extent(bits)), Beyond(top, Extent(bits))};
}

// Every part the layout names lies inside the file's own bytes.
void CheckLayout(const voka::DibHandle& dib) {
  const voka::DibLayout& layout = dib.Layout();
  Require(layout.dataEnd + voka::kFileHeaderBytes == dib.Size());
  Require(layout.tableOffset + layout.colourCount * layout.entryBytes <= layout.pixelOffset);
  Require(layout.pixelOffset <= layout.dataEnd);
  Require(layout.width >= 0 && layout.height >= 0);
  if (voka::DibCanPaint(dib) && !voka::IsRunLength(layout)) {
    Require(layout.pixelOffset + voka::DibRowBytes(layout) <= layout.dataEnd);
  }
}

void Paint(voka::Canvas& canvas, const voka::DibHandle& dib, const voka::Palette* palette,
           const DibRect& destination, const DibRect& source) {
  const int lines = voka::DibDraw(canvas, destination, dib, source, palette);
  Require(lines >= 0 && lines <= voka::Canvas::kSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static voka::Canvas canvas;
  voka::DibMemoryFile file(std::span<const std::uint8_t>(data, size));
  voka::DibRefusal reason = voka::DibRefusal::kNone;
  const voka::DibHandle dib = voka::DibRead(file, &reason);
  Require(static_cast<bool>(dib) == (reason == voka::DibRefusal::kNone));
  // Every refusal, the run-length ones included, has a message to show.
  if (!dib) {
    Require(!voka::DibRefusalMessage(reason, "pupil.bmp").empty());
    return 0;
  }
  // The block drops at most a gap before the pixels.
  Require(dib.Size() <= size);

  CheckLayout(dib);
  voka::Palette palette;
  if (voka::DibMakePalette(dib, palette)) {
    Require(palette.Entries().size() == dib.Layout().colourCount);
  }

  const DibRect whole = voka::DibWholeImage(dib);
  std::uint64_t bits = Hash(data, size);
  // The sampling's whole-canvas painting is the slowest; one run in eight.
  if (NextBits(bits) % 8 == 0) Paint(canvas, dib, &palette, {0, 0, 512, 512}, whole);
  Paint(canvas, dib, &palette, {2, 25, 130, 153}, whole);
  Paint(canvas, dib, nullptr, Rectangle(bits), Rectangle(bits));
  Paint(canvas, dib, &palette, Rectangle(bits), whole);
  return 0;
}
