#include "dib/rle_painter.h"

#include <algorithm>

#include "dib/dib_queries.h"
#include "dib/pixel_decoder.h"

namespace voka {

namespace {

// Escapes: a zero byte followed by one of these, or by a count of 3 or more
// for an absolute run.
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

class RleWalk {
 public:
  RleWalk(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block, std::size_t size,
          const AxisMap& rows, const AxisMap& columns)
      : canvas_(canvas),
        layout_(layout),
        stream_(block),
        position_(layout.pixelOffset),
        end_(size),
        rows_(rows),
        columns_(columns),
        colours_(ReadIndexColours(layout, block)),
        eightBit_(layout.compression == kBiRle8) {
    FindCanvasRows();
  }

  void Run() {
    while (row_ < layout_.height && end_ - position_ >= 2) {
      if (!Step()) return;
    }
  }

 private:
  // Carries out one instruction; false at the end of the bitmap or when the
  // instruction does not fit the stream.
  bool Step() {
    const std::uint8_t first = stream_[position_];
    const std::uint8_t second = stream_[position_ + 1];
    if (first != 0) return EncodedRun(first, second);
    switch (second) {
      case kEndOfLine:
        position_ += 2;
        MoveTo(0, row_ + 1);
        return true;
      case kEndOfBitmap:
        return false;
      case kDelta:
        if (end_ - position_ < 4) return false;
        MoveTo(x_ + stream_[position_ + 2], row_ + stream_[position_ + 3]);
        position_ += 4;
        return true;
      default:
        return AbsoluteRun(second);
    }
  }

  bool EncodedRun(std::uint8_t count, std::uint8_t value) {
    if (eightBit_) {
      Paint(count, [&](std::int64_t) { return colours_[value]; });
    } else {
      // Two colours alternate, the high nibble first.
      Paint(count,
            [&](std::int64_t i) { return colours_[(i & 1) ? (value & 0x0F) : (value >> 4)]; });
    }
    x_ += count;
    position_ += 2;
    return true;
  }

  bool AbsoluteRun(std::uint8_t count) {
    const std::size_t dataBytes = eightBit_ ? count : (count + 1u) / 2;
    if (end_ - position_ - 2 < dataBytes) return false;
    const std::uint8_t* data = stream_ + position_ + 2;
    if (eightBit_) {
      Paint(count, [&](std::int64_t i) { return colours_[data[i]]; });
    } else {
      Paint(count, [&](std::int64_t i) {
        return colours_[(i & 1) ? (data[i >> 1] & 0x0F) : (data[i >> 1] >> 4)];
      });
    }
    x_ += count;
    // Absolute runs are padded to an even byte count; a missing pad byte at
    // the stream's end loses nothing.
    position_ = std::min(end_, position_ + 2 + dataBytes + (dataBytes & 1));
    return true;
  }

  void MoveTo(std::int64_t x, std::int64_t row) {
    x_ = x;
    if (row != row_) {
      row_ = row;
      FindCanvasRows();
    }
  }

  // The canvas rows that show the current stored row (bottom-up).
  void FindCanvasRows() {
    const std::int64_t upright = layout_.height - 1 - row_;
    const auto& source = rows_.source;
    const auto low = std::lower_bound(source.begin(), source.end(), upright);
    const auto high = std::upper_bound(low, source.end(), upright);
    canvasRowBegin_ = rows_.first + (low - source.begin());
    canvasRowEnd_ = rows_.first + (high - source.begin());
  }

  // Writes source pixels x_ .. x_ + count - 1 of the current row, the colour
  // of pixel x_ + i given by colourOf(i), to the canvas pixels that show them.
  template <typename ColourOf>
  void Paint(std::int64_t count, ColourOf colourOf) {
    if (canvasRowBegin_ == canvasRowEnd_) return;
    const auto& source = columns_.source;
    const auto low = std::lower_bound(source.begin(), source.end(), x_);
    const auto high = std::lower_bound(low, source.end(), x_ + count);
    for (auto it = low; it != high; ++it) {
      const ColourValue colour = colourOf(*it - x_);
      const std::int64_t column = columns_.first + (it - source.begin());
      for (std::int64_t y = canvasRowBegin_; y < canvasRowEnd_; ++y) {
        canvas_.Row(static_cast<int>(y))[column] = colour;
      }
    }
  }

  Canvas& canvas_;
  const DibLayout& layout_;
  const std::uint8_t* stream_;
  std::size_t position_;
  std::size_t end_;
  const AxisMap& rows_;
  const AxisMap& columns_;
  IndexColours colours_;
  bool eightBit_;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;  // stored row, 0 at the bottom
  std::int64_t canvasRowBegin_ = 0;
  std::int64_t canvasRowEnd_ = 0;
};

}  // namespace

void PaintRle(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block, std::size_t size,
              const AxisMap& rows, const AxisMap& columns) {
  RleWalk(canvas, layout, block, size, rows, columns).Run();
}

}  // namespace voka
