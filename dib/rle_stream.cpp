// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/rle_stream.h"

#include <algorithm>

#include "dib/pixel_decoder.h"

namespace voka {

namespace {

// Escapes: a zero byte followed by one of these, or by a count of 3 or more
// for an absolute run.
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;
constexpr std::size_t kInstructionBytes = 2;
constexpr std::size_t kDeltaBytes = 4;

// One walk of the stream, shared by the check and the painter so that both
// read the same instructions the same way. The sink is told where each run
// lands; the checking sink ignores it.
template <typename Sink>
class RleWalk {
 public:
  RleWalk(const DibLayout& layout, std::span<const std::uint8_t> stream, Sink& sink)
      : stream_(stream),
        width_(layout.width),
        height_(layout.height),
        eightBit_(layout.compression == kBiRle8),
        // Two 4-bit pixels share a byte; runs and moves may reach the pad nibble.
        runLimit_(eightBit_ ? layout.width : (layout.width + 1) / 2 * 2),
        sink_(sink) {
    sink_.MoveToRow(0);
  }

  DibRefusal Run() {
    for (;;) {
      const std::size_t left = stream_.size() - position_;
      if (left == 0) return TopRowComplete() ? DibRefusal::kNone : DibRefusal::kTruncated;
      if (left < kInstructionBytes) return DibRefusal::kTruncated;
      const std::uint8_t first = stream_[position_];
      const std::uint8_t second = stream_[position_ + 1];
      if (first != 0) {
        const DibRefusal why = EncodedRun(first, second);
        if (why != DibRefusal::kNone) return why;
        continue;
      }
      switch (second) {
        case kEndOfLine:
          position_ += kInstructionBytes;
          // A second end-of-line above the top row moves nowhere new.
          MoveTo(0, std::min(row_ + 1, height_));
          break;
        case kEndOfBitmap:
          return DibRefusal::kNone;
        case kDelta: {
          if (left < kDeltaBytes) return DibRefusal::kTruncated;
          const std::int64_t x = x_ + stream_[position_ + 2];
          const std::int64_t row = row_ + stream_[position_ + 3];
          if (x > runLimit_ || row >= height_) return DibRefusal::kDamagedRle;
          MoveTo(x, row);
          position_ += kDeltaBytes;
          break;
        }
        default: {
          const DibRefusal why = AbsoluteRun(second);
          if (why != DibRefusal::kNone) return why;
        }
      }
    }
  }

 private:
  // Writers may drop the final escapes once every row is written.
  bool TopRowComplete() const { return row_ >= height_ || (row_ == height_ - 1 && x_ >= width_); }

  bool RunFits(std::int64_t count) const { return row_ < height_ && x_ + count <= runLimit_; }

  DibRefusal EncodedRun(std::uint8_t count, std::uint8_t value) {
    if (!RunFits(count)) return DibRefusal::kDamagedRle;
    if (eightBit_) {
      sink_.Paint(x_, count, [&](std::int64_t) { return value; });
    } else {
      // Two indices alternate, the high nibble first.
      sink_.Paint(x_, count, [&](std::int64_t i) {
        return static_cast<std::uint8_t>((i & 1) ? (value & 0x0F) : (value >> 4));
      });
    }
    x_ += count;
    position_ += kInstructionBytes;
    return DibRefusal::kNone;
  }

  DibRefusal AbsoluteRun(std::uint8_t count) {
    const std::size_t dataBytes = eightBit_ ? count : (count + 1u) / 2;
    // Absolute runs are padded to an even byte count.
    const std::size_t instructionBytes = kInstructionBytes + dataBytes + (dataBytes & 1);
    if (stream_.size() - position_ < instructionBytes) return DibRefusal::kTruncated;
    if (!RunFits(count)) return DibRefusal::kDamagedRle;
    const std::uint8_t* data = stream_.data() + position_ + kInstructionBytes;
    if (eightBit_) {
      sink_.Paint(x_, count, [&](std::int64_t i) { return data[i]; });
    } else {
      sink_.Paint(x_, count, [&](std::int64_t i) {
        return static_cast<std::uint8_t>((i & 1) ? (data[i >> 1] & 0x0F) : (data[i >> 1] >> 4));
      });
    }
    x_ += count;
    position_ += instructionBytes;
    return DibRefusal::kNone;
  }

  void MoveTo(std::int64_t x, std::int64_t row) {
    x_ = x;
    if (row != row_) {
      row_ = row;
      sink_.MoveToRow(row_);
    }
  }

  std::span<const std::uint8_t> stream_;
  std::int64_t width_;
  std::int64_t height_;
  bool eightBit_;
  std::int64_t runLimit_;
  Sink& sink_;
  std::size_t position_ = 0;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;  // stored row, 0 at the bottom
};

struct CheckingSink {
  void MoveToRow(std::int64_t) {}
  template <typename IndexOf>
  void Paint(std::int64_t, std::int64_t, IndexOf) {}
};

class CanvasSink {
 public:
  CanvasSink(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block,
             const AxisMap& rows, const AxisMap& columns)
      : canvas_(canvas),
        height_(layout.height),
        rows_(rows),
        columns_(columns),
        colours_(ReadIndexColours(layout, block)) {}

  // The canvas rows that show a stored row (bottom-up); none above the top.
  void MoveToRow(std::int64_t row) {
    const std::int64_t upright = height_ - 1 - row;
    const auto& source = rows_.source;
    const auto low = std::lower_bound(source.begin(), source.end(), upright);
    const auto high = std::upper_bound(low, source.end(), upright);
    canvasRowBegin_ = rows_.first + (low - source.begin());
    canvasRowEnd_ = rows_.first + (high - source.begin());
  }

  // Writes source pixels x .. x + count - 1 of the current row, the index
  // of pixel x + i given by indexOf(i), to the canvas pixels that show them.
  template <typename IndexOf>
  void Paint(std::int64_t x, std::int64_t count, IndexOf indexOf) {
    if (canvasRowBegin_ == canvasRowEnd_) return;
    const auto& source = columns_.source;
    const auto low = std::lower_bound(source.begin(), source.end(), x);
    const auto high = std::lower_bound(low, source.end(), x + count);
    for (auto it = low; it != high; ++it) {
      const ColourValue colour = colours_[indexOf(*it - x)];
      const std::int64_t column = columns_.first + (it - source.begin());
      for (std::int64_t y = canvasRowBegin_; y < canvasRowEnd_; ++y) {
        canvas_.Row(static_cast<int>(y))[column] = colour;
      }
    }
  }

 private:
  Canvas& canvas_;
  std::int64_t height_;
  const AxisMap& rows_;
  const AxisMap& columns_;
  IndexColours colours_;
  std::int64_t canvasRowBegin_ = 0;
  std::int64_t canvasRowEnd_ = 0;
};

}  // namespace

DibRefusal CheckRleStream(const DibLayout& layout, std::span<const std::uint8_t> stream) {
  CheckingSink sink;
  return RleWalk<CheckingSink>(layout, stream, sink).Run();
}

void PaintRle(Canvas& canvas, const DibLayout& layout, const std::uint8_t* block,
              const AxisMap& rows, const AxisMap& columns) {
  CanvasSink sink(canvas, layout, block, rows, columns);
  const std::span<const std::uint8_t> stream(block + layout.pixelOffset,
                                             layout.dataEnd - layout.pixelOffset);
  RleWalk<CanvasSink>(layout, stream, sink).Run();
}

}  // namespace voka
