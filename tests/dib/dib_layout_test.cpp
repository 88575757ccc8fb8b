// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "dib_test_support.h"
#include "pupils/bmp_writer.h"

namespace voka {
namespace {

using bmp_writer::Bytes;
using dib_test::ReadBytes;

// The layout the reader checked, with the height signed as stored.
struct Queried {
  std::int64_t width;
  std::int64_t height;
  std::int64_t colours;
  std::int64_t tableBytes;
  std::int64_t pixelOffset;
};

Queried Query(const Bytes& file) {
  const DibHandle dib = ReadBytes(file);
  EXPECT_TRUE(dib);
  if (!dib) return {};
  const DibLayout& layout = dib.Layout();
  return {layout.width, layout.topDown ? -layout.height : layout.height, layout.colourCount,
          static_cast<std::int64_t>(layout.colourCount * layout.entryBytes),
          static_cast<std::int64_t>(layout.pixelOffset)};
}

// An information-form file whose pixel rows lie where the file header's
// offset says, so the offset computed from the block can be checked
// against the one the writer recorded.
Bytes InfoFile(std::uint32_t headerSize, std::int32_t width, std::int32_t height,
               std::uint16_t bits, std::uint32_t compression, std::uint32_t coloursUsed,
               std::size_t tableEntries) {
  bmp_writer::InfoFields fields;
  fields.headerSize = headerSize;
  fields.width = width;
  fields.height = height;
  fields.bitCount = bits;
  fields.compression = compression;
  fields.coloursUsed = coloursUsed;
  fields.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  Bytes between = bmp_writer::ColourTable(std::vector<ColourValue>(tableEntries, kWhite));
  if (headerSize == 40 && compression == kBiBitfields) {
    const Bytes masks = bmp_writer::Masks(fields.masks);
    between.insert(between.begin(), masks.begin(), masks.end());
  }
  const std::int64_t rows = height < 0 ? -std::int64_t{height} : height;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  return bmp_writer::Assemble(bmp_writer::InfoHeader(fields), between,
                              Bytes(stride * static_cast<std::size_t>(rows), 0));
}

std::int64_t RecordedPixelOffset(const Bytes& file) {
  return static_cast<std::int64_t>(file[10] | (file[11] << 8) | (file[12] << 16)) - 14;
}

TEST(DibLayout, EightBitsWithoutColoursUsedHaveFullTable) {
  const Bytes file = InfoFile(40, 9, 5, 8, kBiRgb, 0, 256);
  const Queried q = Query(file);
  EXPECT_EQ(q.width, 9);
  EXPECT_EQ(q.height, 5);
  EXPECT_EQ(q.colours, 256);
  EXPECT_EQ(q.tableBytes, 1024);
  EXPECT_EQ(q.pixelOffset, 1064);
  EXPECT_EQ(q.pixelOffset, RecordedPixelOffset(file));
}

TEST(DibLayout, ColoursUsedWinsOverBitCount) {
  const Queried q = Query(InfoFile(40, 4, 4, 8, kBiRgb, 20, 20));
  EXPECT_EQ(q.colours, 20);
  EXPECT_EQ(q.tableBytes, 80);
  EXPECT_EQ(q.pixelOffset, 120);
  // Even for 24 bits, which otherwise have no table.
  const Queried rgb = Query(InfoFile(40, 4, 4, 24, kBiRgb, 3, 3));
  EXPECT_EQ(rgb.colours, 3);
  EXPECT_EQ(rgb.pixelOffset, 52);
}

TEST(DibLayout, TwentyFourBitsHaveNoTable) {
  const Queried q = Query(InfoFile(40, 3, 2, 24, kBiRgb, 0, 0));
  EXPECT_EQ(q.colours, 0);
  EXPECT_EQ(q.tableBytes, 0);
  EXPECT_EQ(q.pixelOffset, 40);
}

TEST(DibLayout, CoreFormHasThreeByteEntries) {
  const Bytes rows(4 * 3, 0);
  const Bytes file = bmp_writer::Assemble(
      bmp_writer::CoreHeader(5, 3, 4),
      bmp_writer::ColourTable(std::vector<ColourValue>(16, kWhite), true), rows);
  const Queried q = Query(file);
  EXPECT_EQ(q.width, 5);
  EXPECT_EQ(q.height, 3);
  EXPECT_EQ(q.colours, 16);
  EXPECT_EQ(q.tableBytes, 48);
  EXPECT_EQ(q.pixelOffset, 60);
  EXPECT_EQ(q.pixelOffset, RecordedPixelOffset(file));
}

TEST(DibLayout, CoreFieldsAreUnsignedSixteenBits) {
  const Bytes file = bmp_writer::Assemble(
      bmp_writer::CoreHeader(40000, 1, 1),
      bmp_writer::ColourTable(std::vector<ColourValue>(2), true), Bytes(5000, 0));
  const Queried q = Query(file);
  EXPECT_EQ(q.width, 40000);
  EXPECT_EQ(q.height, 1);
}

// The V2 to V5 headers begin like the 40-byte one; read with the core layout
// they would give a height of 0.
TEST(DibLayout, LongerHeadersAreReadAsInformationForm) {
  for (std::uint32_t size : {52u, 56u, 108u, 124u}) {
    const Bytes file = InfoFile(size, 70000, -3, 8, kBiRgb, 2, 2);
    const Queried q = Query(file);
    EXPECT_EQ(q.width, 70000) << "header " << size;
    EXPECT_EQ(q.height, -3) << "header " << size;
    EXPECT_EQ(q.colours, 2) << "header " << size;
    EXPECT_EQ(q.tableBytes, 8) << "header " << size;
    EXPECT_EQ(q.pixelOffset, RecordedPixelOffset(file)) << "header " << size;
  }
}

TEST(DibLayout, OtherHeaderSizesKeepTheCoreLayout) {
  // A 64-byte header of another system: its first fields read with the
  // core layout, the table behind its stated size.
  Bytes header = bmp_writer::CoreHeader(6, 2, 8);
  header[0] = 64;
  header.resize(64, 0);
  const Bytes file = bmp_writer::Assemble(
      header, bmp_writer::ColourTable(std::vector<ColourValue>(256), true), Bytes(16, 0));
  const Queried q = Query(file);
  EXPECT_EQ(q.width, 6);
  EXPECT_EQ(q.height, 2);
  EXPECT_EQ(q.colours, 256);
  EXPECT_EQ(q.tableBytes, 768);
  EXPECT_EQ(q.pixelOffset, 64 + 768);
}

TEST(DibLayout, TopDownHeightStaysSigned) {
  EXPECT_EQ(Query(InfoFile(40, 2, -7, 24, kBiRgb, 0, 0)).height, -7);
}

// Three masks lie between a 40-byte header and the pixel rows; inside a V4
// or V5 header they take no room of their own.
TEST(DibLayout, BitfieldMasksBehindFortyByteHeaderPrecedeThePixels) {
  const Bytes behind = InfoFile(40, 4, 2, 32, kBiBitfields, 0, 0);
  EXPECT_EQ(Query(behind).pixelOffset, 52);
  EXPECT_EQ(Query(behind).pixelOffset, RecordedPixelOffset(behind));
  const Bytes inside = InfoFile(108, 4, 2, 16, kBiBitfields, 0, 0);
  EXPECT_EQ(Query(inside).pixelOffset, 108);
  // An optional table behind the masks.
  const Bytes withTable = InfoFile(40, 4, 2, 16, kBiBitfields, 4, 4);
  EXPECT_EQ(Query(withTable).pixelOffset, 52 + 16);
  EXPECT_EQ(Query(withTable).pixelOffset, RecordedPixelOffset(withTable));
}

}  // namespace
}  // namespace voka
