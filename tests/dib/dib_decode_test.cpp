// SPDX-License-Identifier: GPL-3.0-or-later
// Every form the painter draws, built by the writer from a known image,
// read, painted pixel for pixel and compared with that image.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_test_support.h"
#include "pupils/bmp_writer.h"
#include "rle_encoder.h"

namespace voka {
namespace {

using bmp_writer::Bytes;
using bmp_writer::ColourImage;
using dib_test::PaintSameSize;
using dib_test::ReadBytes;
using dib_test::SameImage;

// Odd sizes so that rows need padding and sub-byte pixels straddle bytes.
constexpr int kWidth = 37;
constexpr int kHeight = 11;

bmp_writer::InfoFields Fields(std::uint16_t bits, bool topDown, std::uint32_t compression = kBiRgb,
                              std::uint32_t headerSize = 40) {
  bmp_writer::InfoFields fields;
  fields.headerSize = headerSize;
  fields.width = kWidth;
  fields.height = topDown ? -kHeight : kHeight;
  fields.bitCount = bits;
  fields.compression = compression;
  return fields;
}

struct IndexedCase {
  int bits;
  bool core;
  bool topDown;
};

std::string Name(const IndexedCase& c) {
  return std::to_string(c.bits) + (c.core ? " bits core" : " bits info") +
         (c.topDown ? " top-down" : "");
}

TEST(DibDecode, IndexedFormsTakeTheirTableColours) {
  const IndexedCase cases[] = {{1, false, false}, {4, false, false}, {8, false, false},
                               {1, false, true},  {4, false, true},  {8, false, true},
                               {1, true, false},  {4, true, false},  {8, true, false}};
  for (const IndexedCase& c : cases) {
    const std::uint32_t entries = 1u << c.bits;
    const auto indices = dib_test::ScatteredIndices(kWidth, kHeight, entries, c.bits);
    const ColourImage table =
        dib_test::ScatteredColours(static_cast<int>(entries), 1, 100 + c.bits);
    ColourImage expected(kWidth, kHeight);
    for (std::size_t i = 0; i < indices.size(); ++i) expected.pixels[i] = table.pixels[indices[i]];

    const Bytes rows = bmp_writer::PackRows(kWidth, kHeight, c.bits, c.topDown, [&](int x, int y) {
      return std::uint32_t{indices[static_cast<std::size_t>(y) * kWidth + x]};
    });
    const Bytes header =
        c.core ? bmp_writer::CoreHeader(kWidth, kHeight, static_cast<std::uint16_t>(c.bits))
               : bmp_writer::InfoHeader(Fields(static_cast<std::uint16_t>(c.bits), c.topDown));
    const DibHandle dib = ReadBytes(
        bmp_writer::Assemble(header, bmp_writer::ColourTable(table.pixels, c.core), rows));
    ASSERT_TRUE(dib) << Name(c);
    int lines = 0;
    EXPECT_TRUE(SameImage(PaintSameSize(dib, kWidth, kHeight, &lines), expected)) << Name(c);
    EXPECT_EQ(lines, kHeight) << Name(c);
  }
}

TEST(DibDecode, IndicesBeyondTheTablePaintBlack) {
  constexpr std::uint32_t kUsed = 5;
  const auto indices = dib_test::ScatteredIndices(kWidth, kHeight, 12, 3);
  const ColourImage table = dib_test::ScatteredColours(kUsed, 1, 17);
  ColourImage expected(kWidth, kHeight);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    expected.pixels[i] = indices[i] < kUsed ? table.pixels[indices[i]] : kBlack;
  }
  bmp_writer::InfoFields fields = Fields(8, false);
  fields.coloursUsed = kUsed;
  const Bytes rows = bmp_writer::PackRows(kWidth, kHeight, 8, false, [&](int x, int y) {
    return std::uint32_t{indices[static_cast<std::size_t>(y) * kWidth + x]};
  });
  const DibHandle dib = ReadBytes(bmp_writer::Assemble(
      bmp_writer::InfoHeader(fields), bmp_writer::ColourTable(table.pixels), rows));
  ASSERT_TRUE(dib);
  EXPECT_TRUE(SameImage(PaintSameSize(dib, kWidth, kHeight), expected));
}

TEST(DibDecode, TwentyFourBitsBothDirectionsAndCoreForm) {
  const ColourImage image = dib_test::ScatteredColours(kWidth, kHeight, 24);
  auto stored = [&](int x, int y) { return bmp_writer::StoredBgr(image.At(x, y)); };
  for (bool topDown : {false, true}) {
    const Bytes file =
        bmp_writer::Assemble(bmp_writer::InfoHeader(Fields(24, topDown)), {},
                             bmp_writer::PackRows(kWidth, kHeight, 24, topDown, stored));
    EXPECT_TRUE(SameImage(PaintSameSize(ReadBytes(file), kWidth, kHeight), image))
        << "top-down " << topDown;
  }
  const Bytes core = bmp_writer::Assemble(bmp_writer::CoreHeader(kWidth, kHeight, 24), {},
                                          bmp_writer::PackRows(kWidth, kHeight, 24, false, stored));
  EXPECT_TRUE(SameImage(PaintSameSize(ReadBytes(core), kWidth, kHeight), image)) << "core";
}

// The sample writer's own forms decode to the image they were made from.
TEST(DibDecode, WriterFormsRoundTrip) {
  ColourImage grey(kWidth, kHeight);
  dib_test::Scatter scatter(8);
  for (ColourValue& pixel : grey.pixels) pixel = Grey(static_cast<std::uint8_t>(scatter.Next(256)));
  EXPECT_TRUE(
      SameImage(PaintSameSize(ReadBytes(bmp_writer::Bmp8Grey(grey)), kWidth, kHeight), grey));
  const ColourImage colour = dib_test::ScatteredColours(kWidth, kHeight, 9);
  EXPECT_TRUE(
      SameImage(PaintSameSize(ReadBytes(bmp_writer::Bmp24(colour)), kWidth, kHeight), colour));
}

TEST(DibDecode, ThirtyTwoBitsIgnoreTheFourthByte) {
  const ColourImage image = dib_test::ScatteredColours(kWidth, kHeight, 32);
  dib_test::Scatter alpha(5);
  for (bool topDown : {false, true}) {
    const Bytes rows = bmp_writer::PackRows(kWidth, kHeight, 32, topDown, [&](int x, int y) {
      return bmp_writer::StoredBgr(image.At(x, y)) | (alpha.Next(256) << 24);
    });
    const Bytes file = bmp_writer::Assemble(bmp_writer::InfoHeader(Fields(32, topDown)), {}, rows);
    EXPECT_TRUE(SameImage(PaintSameSize(ReadBytes(file), kWidth, kHeight), image))
        << "top-down " << topDown;
  }
}

// 5 bits widen by repeating their high bits: 31 -> 255, 16 -> 132.
std::uint8_t Widen5(std::uint32_t c) {
  return static_cast<std::uint8_t>((c << 3) | (c >> 2));
}
std::uint8_t Widen6(std::uint32_t c) {
  return static_cast<std::uint8_t>((c << 2) | (c >> 4));
}

TEST(DibDecode, SixteenBitsAreFiveFiveFive) {
  EXPECT_EQ(Widen5(31), 255);
  EXPECT_EQ(Widen5(16), 132);
  std::vector<std::uint32_t> words(kWidth * kHeight);
  dib_test::Scatter scatter(16);
  for (std::uint32_t& word : words) word = scatter.Next(0x10000);  // bit 15 set in half of them
  ColourImage expected(kWidth, kHeight);
  for (std::size_t i = 0; i < words.size(); ++i) {
    expected.pixels[i] =
        Rgb(Widen5((words[i] >> 10) & 31), Widen5((words[i] >> 5) & 31), Widen5(words[i] & 31));
  }
  const Bytes rows = bmp_writer::PackRows(kWidth, kHeight, 16, false, [&](int x, int y) {
    return words[static_cast<std::size_t>(y) * kWidth + x];
  });
  const DibHandle dib =
      ReadBytes(bmp_writer::Assemble(bmp_writer::InfoHeader(Fields(16, false)), {}, rows));
  EXPECT_TRUE(SameImage(PaintSameSize(dib, kWidth, kHeight), expected));
}

struct BitfieldCase {
  const char* name;
  std::uint16_t bits;
  std::uint32_t headerSize;
  std::array<std::uint32_t, 3> masks;
  std::uint32_t (*expectedChannel)(std::uint32_t word, int channel);
};

Bytes BitfieldFile(const BitfieldCase& c, const std::vector<std::uint32_t>& words, bool topDown) {
  bmp_writer::InfoFields fields = Fields(c.bits, topDown, kBiBitfields, c.headerSize);
  fields.masks = c.masks;
  const Bytes rows = bmp_writer::PackRows(kWidth, kHeight, c.bits, topDown, [&](int x, int y) {
    return words[static_cast<std::size_t>(y) * kWidth + x];
  });
  const Bytes masks = c.headerSize == 40 ? bmp_writer::Masks(c.masks) : Bytes{};
  return bmp_writer::Assemble(bmp_writer::InfoHeader(fields), masks, rows);
}

TEST(DibDecode, BitfieldsTakeTheirMasks) {
  const BitfieldCase cases[] = {
      {"565 behind a 40-byte header",
       16,
       40,
       {0xF800, 0x07E0, 0x001F},
       [](std::uint32_t w, int ch) -> std::uint32_t {
         return ch == 0 ? Widen5(w >> 11) : ch == 1 ? Widen6((w >> 5) & 63) : Widen5(w & 31);
       }},
      {"555 inside a V4 header",
       16,
       108,
       {0x7C00, 0x03E0, 0x001F},
       [](std::uint32_t w, int ch) -> std::uint32_t { return Widen5((w >> (10 - 5 * ch)) & 31); }},
      {"red in the low byte, V5 header",
       32,
       124,
       {0x0000FF, 0x00FF00, 0xFF0000},
       [](std::uint32_t w, int ch) -> std::uint32_t { return (w >> (8 * ch)) & 0xFF; }},
      {"8-8-8 behind a 40-byte header",
       32,
       40,
       {0xFF0000, 0x00FF00, 0x0000FF},
       [](std::uint32_t w, int ch) -> std::uint32_t { return (w >> (16 - 8 * ch)) & 0xFF; }},
      {"10-10-10 keeps the top 8 bits",
       32,
       56,
       {0x3FF00000, 0x000FFC00, 0x000003FF},
       [](std::uint32_t w, int ch) -> std::uint32_t {
         return ((w >> (20 - 10 * ch)) & 0x3FF) >> 2;
       }},
      {"3-bit channels widen",
       16,
       52,
       {0x01C0, 0x0038, 0x0007},
       [](std::uint32_t w, int ch) -> std::uint32_t {
         const std::uint32_t c = (w >> (6 - 3 * ch)) & 7;
         return (c << 5) | (c << 2) | (c >> 1);
       }},
  };
  for (const BitfieldCase& c : cases) {
    std::vector<std::uint32_t> words(kWidth * kHeight);
    dib_test::Scatter scatter(c.bits + c.headerSize);
    for (std::uint32_t& word : words) {
      word = c.bits == 16 ? scatter.Next(0x10000)
                          : (scatter.Next(0x1000000) << 8) ^ scatter.Next(0x1000000);
    }
    ColourImage expected(kWidth, kHeight);
    for (std::size_t i = 0; i < words.size(); ++i) {
      expected.pixels[i] = Rgb(static_cast<std::uint8_t>(c.expectedChannel(words[i], 0)),
                               static_cast<std::uint8_t>(c.expectedChannel(words[i], 1)),
                               static_cast<std::uint8_t>(c.expectedChannel(words[i], 2)));
    }
    for (bool topDown : {false, true}) {
      const DibHandle dib = ReadBytes(BitfieldFile(c, words, topDown));
      ASSERT_TRUE(dib) << c.name;
      EXPECT_TRUE(SameImage(PaintSameSize(dib, kWidth, kHeight), expected))
          << c.name << " top-down " << topDown;
    }
  }
}

// Index images made of runs, so that the encoder uses encoded runs as well
// as absolute ones.
std::vector<std::uint8_t> RunnyIndices(int width, int height, std::uint32_t modulus,
                                       std::uint32_t seed) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height);
  dib_test::Scatter scatter(seed);
  std::size_t i = 0;
  while (i < indices.size()) {
    const std::uint32_t kind = scatter.Next(3);
    const std::size_t length = 1 + scatter.Next(kind == 0 ? 3 : 40);
    const auto a = static_cast<std::uint8_t>(scatter.Next(modulus));
    const auto b = static_cast<std::uint8_t>(scatter.Next(modulus));
    for (std::size_t k = 0; k < length && i < indices.size(); ++k, ++i) {
      indices[i] = kind == 2 && (k & 1) ? b : a;
    }
  }
  return indices;
}

Bytes RleFile(const std::vector<std::uint8_t>& stream, const std::vector<ColourValue>& table,
              int width, int height, bool four) {
  bmp_writer::InfoFields fields;
  fields.width = width;
  fields.height = height;
  fields.bitCount = four ? 4 : 8;
  fields.compression = four ? kBiRle4 : kBiRle8;
  fields.imageBytes = static_cast<std::uint32_t>(stream.size());
  fields.coloursUsed = static_cast<std::uint32_t>(table.size());
  return bmp_writer::Assemble(bmp_writer::InfoHeader(fields), bmp_writer::ColourTable(table),
                              stream);
}

TEST(DibDecode, RunLengthFormsDecodeWholeImages) {
  for (bool four : {false, true}) {
    const std::uint32_t entries = four ? 16 : 256;
    const int width = 300;  // runs longer than 255 pixels split
    const int height = 9;
    const auto indices = RunnyIndices(width, height, entries, four ? 4 : 8);
    const ColourImage table = dib_test::ScatteredColours(static_cast<int>(entries), 1, 44);
    ColourImage expected(width, height);
    for (std::size_t i = 0; i < indices.size(); ++i) expected.pixels[i] = table.pixels[indices[i]];
    const auto stream = dib_test::EncodeRle(indices, width, height, four);
    const DibHandle dib = ReadBytes(RleFile(stream, table.pixels, width, height, four));
    ASSERT_TRUE(dib);
    int lines = 0;
    EXPECT_TRUE(SameImage(PaintSameSize(dib, width, height, &lines), expected))
        << (four ? "RLE4" : "RLE8");
    EXPECT_EQ(lines, height);
  }
}

class RleEscapes : public ::testing::Test {
 protected:
  static constexpr int kW = 8;
  static constexpr int kH = 3;
  // Index i paints colour kColours[i].
  const std::vector<ColourValue> colours_{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};

  ColourImage Paint(const std::vector<std::uint8_t>& stream, bool four) {
    DibRefusal reason = DibRefusal::kNone;
    const DibHandle dib = ReadBytes(RleFile(stream, colours_, kW, kH, four), &reason);
    EXPECT_TRUE(dib) << DibRefusalMessage(reason, "stream.bmp");
    return PaintSameSize(dib, kW, kH);
  }
  // What the canvas shows where the stream writes nothing.
  static ColourImage Untouched() { return ColourImage(kW, kH, dib_test::kBackground); }
  // Stored row 0 is the bottom row of the picture.
  static int Y(int storedRow) { return kH - 1 - storedRow; }
};

TEST_F(RleEscapes, DeltaAndEndOfLineSkipPixels) {
  // 3 of colour 1; delta 2 right and 1 up; 2 of colour 2; end of line; one of colour 3; end.
  const std::vector<std::uint8_t> stream{3, 1, 0, 2, 2, 1, 2, 2, 0, 0, 1, 3, 0, 1};
  ColourImage expected = Untouched();
  for (int x = 0; x < 3; ++x) expected.At(x, Y(0)) = colours_[1];
  for (int x = 5; x < 7; ++x) expected.At(x, Y(1)) = colours_[2];
  expected.At(0, Y(2)) = colours_[3];
  EXPECT_TRUE(SameImage(Paint(stream, false), expected));
}

// What writers emit besides the textbook stream: no end-of-bitmap after the
// top row's end-of-line, or not even that end-of-line; an early end of
// bitmap leaves the rows it never reached as they were.
TEST_F(RleEscapes, AcceptsStreamsThatWritersEmit) {
  ColourImage full(kW, kH);
  for (int stored = 0; stored < kH; ++stored) {
    for (int x = 0; x < kW; ++x) full.At(x, Y(stored)) = colours_[stored + 1];
  }
  const std::vector<std::uint8_t> rows{8, 1, 0, 0, 8, 2, 0, 0, 8, 3};
  std::vector<std::uint8_t> withEndOfLine = rows;
  withEndOfLine.insert(withEndOfLine.end(), {0, 0});
  EXPECT_TRUE(SameImage(Paint(rows, false), full));
  EXPECT_TRUE(SameImage(Paint(withEndOfLine, false), full));

  ColourImage early = Untouched();
  for (int x = 0; x < kW; ++x) early.At(x, Y(0)) = colours_[1];
  EXPECT_TRUE(SameImage(Paint({8, 1, 0, 1}, false), early));
}

TEST_F(RleEscapes, RefusesStreamsThatLeaveTheImageOrStopShort) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> stream;
    DibRefusal reason;
  };
  const Case cases[] = {
      {"run past the row end", {11, 1, 0, 1}, DibRefusal::kDamagedRle},
      {"absolute run past the row end", {5, 1, 0, 4, 1, 1, 1, 1, 0, 1}, DibRefusal::kDamagedRle},
      {"delta past the row end", {2, 1, 0, 2, 7, 0, 0, 1}, DibRefusal::kDamagedRle},
      {"delta above the top row", {0, 2, 0, 3, 0, 1}, DibRefusal::kDamagedRle},
      {"pixels above the top row",
       {8, 1, 0, 0, 8, 1, 0, 0, 8, 1, 0, 0, 1, 1, 0, 1},
       DibRefusal::kDamagedRle},
      {"stops before the top row", {8, 1, 0, 0}, DibRefusal::kTruncated},
      {"stops inside the top row", {8, 1, 0, 0, 8, 1, 0, 0, 4, 1}, DibRefusal::kTruncated},
      {"cut inside a run", {8, 1, 0, 0, 8}, DibRefusal::kTruncated},
      {"cut inside absolute data", {0, 5, 1, 2}, DibRefusal::kTruncated},
      {"cut before the pad byte", {8, 1, 0, 0, 8, 1, 0, 0, 0, 3, 1, 2, 3}, DibRefusal::kTruncated},
      {"cut inside a delta", {0, 2, 1}, DibRefusal::kTruncated},
      {"empty stream", {}, DibRefusal::kTruncated},
  };
  for (const Case& c : cases) {
    DibRefusal reason = DibRefusal::kNone;
    EXPECT_FALSE(ReadBytes(RleFile(c.stream, colours_, kW, kH, false), &reason)) << c.what;
    EXPECT_EQ(reason, c.reason) << c.what;
  }
  // RLE4 packs two pixels a byte: a run may fill the pad nibble of an odd
  // width, but not go beyond it.
  const std::vector<std::uint8_t> padded{8, 0x12, 0, 0, 8, 0x12, 0, 0, 8, 0x12, 0, 1};
  EXPECT_TRUE(ReadBytes(RleFile(padded, colours_, kW - 1, kH, true)));
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(ReadBytes(RleFile(padded, colours_, kW - 2, kH, true), &reason));
  EXPECT_EQ(reason, DibRefusal::kDamagedRle);
}

// Cutting a stream anywhere must never give a silently partial image: the
// file is refused as cut short, or the cut took only the final escapes.
TEST(DibDecode, EveryCutOfARunLengthFileIsRefusedOrWhole) {
  for (bool four : {false, true}) {
    const int width = 37;
    const int height = 6;
    const std::uint32_t entries = four ? 16 : 256;
    const auto indices = RunnyIndices(width, height, entries, 5);
    const ColourImage table = dib_test::ScatteredColours(static_cast<int>(entries), 1, 45);
    const Bytes whole = RleFile(dib_test::EncodeRle(indices, width, height, four), table.pixels,
                                width, height, four);
    const ColourImage expected = PaintSameSize(ReadBytes(whole), width, height);
    const std::size_t streamStart = 14 + 40 + 4 * entries;
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      DibRefusal reason = DibRefusal::kNone;
      const DibHandle dib = ReadBytes(cut, &reason);
      EXPECT_NE(reason, DibRefusal::kDamagedRle) << "length " << length;
      // The bare 14-byte file reads as an empty image, which no command draws.
      if (!DibCanPaint(dib)) continue;
      EXPECT_GE(length, whole.size() - 4) << (four ? "RLE4" : "RLE8");
      EXPECT_GT(length, streamStart);
      EXPECT_TRUE(SameImage(PaintSameSize(dib, width, height), expected)) << "length " << length;
    }
  }
}

// Absurd sizes over a small stream are a damaged header, not "no light".
TEST(DibDecode, RunLengthHeaderOfAbsurdSizeIsRefused) {
  const std::vector<ColourValue> table{kBlack, kWhite};
  std::vector<std::uint8_t> stream;
  for (int row = 0; row < 16; ++row) stream.insert(stream.end(), {16, 1, 0, 0});
  stream.insert(stream.end(), {0, 1});
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_TRUE(ReadBytes(RleFile(stream, table, 16, 16, false)));
  EXPECT_FALSE(ReadBytes(RleFile(stream, table, INT32_MAX, INT32_MAX, false), &reason));
  EXPECT_EQ(reason, DibRefusal::kDamagedHeader);
}

TEST_F(RleEscapes, FourBitRunsAlternateHighNibbleFirst) {
  // Encoded run of 5 alternating 1 and 2; absolute run of 3 (0, 3, 1) in two
  // bytes; end of line; absolute run of 5 in three bytes plus a pad byte.
  const std::vector<std::uint8_t> stream{5, 0x12, 0,    3,    0x03, 0x10, 0, 0,
                                         0, 5,    0x32, 0x10, 0x20, 0,    0, 1};
  ColourImage expected = Untouched();
  const int row0[] = {1, 2, 1, 2, 1, 0, 3, 1};
  for (int x = 0; x < kW; ++x) expected.At(x, Y(0)) = colours_[row0[x]];
  const int row1[] = {3, 2, 1, 0, 2};
  for (int x = 0; x < 5; ++x) expected.At(x, Y(1)) = colours_[row1[x]];
  EXPECT_TRUE(SameImage(Paint(stream, true), expected));
}

TEST(DibDecode, UndrawableFormsPaintNothing) {
  struct Case {
    const char* name;
    std::uint16_t bits;
    std::uint32_t compression;
    bool topDown;
  };
  const Case cases[] = {
      {"JPEG inside", 0, 4, false},          {"PNG inside", 0, 5, false},
      {"2 bits", 2, kBiRgb, false},          {"bitfields at 24 bits", 24, kBiBitfields, false},
      {"RLE8 at 4 bits", 4, kBiRle8, false}, {"top-down RLE8", 8, kBiRle8, true},
      {"64 bits", 64, kBiRgb, false}};
  for (const Case& c : cases) {
    bmp_writer::InfoFields fields = Fields(c.bits, c.topDown, c.compression);
    const Bytes file =
        bmp_writer::Assemble(bmp_writer::InfoHeader(fields),
                             bmp_writer::Masks({0xFF0000, 0xFF00, 0xFF}), Bytes(8192, 0x11));
    const DibHandle dib = ReadBytes(file);
    ASSERT_TRUE(dib) << c.name;
    EXPECT_FALSE(DibCanPaint(dib)) << c.name;
    int lines = -1;
    EXPECT_TRUE(SameImage(PaintSameSize(dib, kWidth, kHeight, &lines),
                          ColourImage(kWidth, kHeight, dib_test::kBackground)))
        << c.name;
    EXPECT_EQ(lines, 0) << c.name;
  }
}

}  // namespace
}  // namespace voka
