// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "dib_test_support.h"
#include "pupils/bmp_writer.h"

namespace voka {
namespace {

using bmp_writer::Bytes;
using bmp_writer::ColourImage;
using dib_test::ReadBytes;

Bytes IndexedFile(int bits, const std::vector<ColourValue>& table, bool core,
                  std::uint32_t coloursUsed = 0) {
  const Bytes rows =
      bmp_writer::PackRows(4, 2, bits, false, [](int x, int) { return std::uint32_t(x & 1); });
  if (core) {
    return bmp_writer::Assemble(bmp_writer::CoreHeader(4, 2, static_cast<std::uint16_t>(bits)),
                                bmp_writer::ColourTable(table, true), rows);
  }
  bmp_writer::InfoFields fields;
  fields.width = 4;
  fields.height = 2;
  fields.bitCount = static_cast<std::uint16_t>(bits);
  fields.coloursUsed = coloursUsed;
  return bmp_writer::Assemble(bmp_writer::InfoHeader(fields), bmp_writer::ColourTable(table), rows);
}

void ExpectEntries(const Palette& palette, const std::vector<ColourValue>& table) {
  EXPECT_EQ(palette.Version(), 0x300);
  ASSERT_EQ(palette.Entries().size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const PaletteEntry& entry = palette.Entries()[i];
    EXPECT_EQ(entry.red, RedOf(table[i])) << "entry " << i;
    EXPECT_EQ(entry.green, GreenOf(table[i])) << "entry " << i;
    EXPECT_EQ(entry.blue, BlueOf(table[i])) << "entry " << i;
    EXPECT_EQ(entry.flags, 0) << "entry " << i;
  }
}

TEST(DibMakePalette, OneBitBlackAndWhiteGivesTwoEntriesInTableOrder) {
  for (bool core : {false, true}) {
    const std::vector<ColourValue> table{kBlack, kWhite};
    const DibHandle dib = ReadBytes(IndexedFile(1, table, core));
    Palette palette;
    ASSERT_TRUE(DibMakePalette(dib, palette)) << "core " << core;
    ExpectEntries(palette, table);
  }
}

TEST(DibMakePalette, EntriesFollowTheTableWithItsChannelOrder) {
  const ColourImage colours = dib_test::ScatteredColours(16, 1, 3);
  for (bool core : {false, true}) {
    Palette palette;
    ASSERT_TRUE(DibMakePalette(ReadBytes(IndexedFile(4, colours.pixels, core)), palette));
    ExpectEntries(palette, colours.pixels);
  }
}

TEST(DibMakePalette, ColoursUsedSetsTheCount) {
  const ColourImage colours = dib_test::ScatteredColours(7, 1, 4);
  Palette palette;
  ASSERT_TRUE(DibMakePalette(ReadBytes(IndexedFile(8, colours.pixels, false, 7)), palette));
  ExpectEntries(palette, colours.pixels);
}

TEST(DibMakePalette, TwentyFourBitsHaveNoPaletteButAreStillDrawn) {
  const ColourImage image = dib_test::ScatteredColours(6, 6, 24);
  const DibHandle dib = ReadBytes(bmp_writer::Bmp24(image));
  Palette palette;
  EXPECT_FALSE(DibMakePalette(dib, palette));
  EXPECT_TRUE(palette.IsEmpty());
  Canvas canvas;
  EXPECT_EQ(DibDraw(canvas, {0, 0, 6, 6}, dib, {0, 0, 6, 6}, &palette), 6);
  EXPECT_TRUE(dib_test::SameImage(dib_test::CanvasRegion(canvas, 0, 0, 6, 6), image));
}

TEST(DibMakePalette, NullHandleGivesNoPalette) {
  Palette palette;
  EXPECT_FALSE(DibMakePalette(DibHandle{}, palette));
  EXPECT_TRUE(palette.IsEmpty());
}

// The table lies behind the three masks of a 16-bit BI_BITFIELDS image.
TEST(DibMakePalette, OptionalTableBehindBitfieldMasks) {
  const std::vector<ColourValue> table{0x112233, 0x445566};
  bmp_writer::InfoFields fields;
  fields.width = 2;
  fields.height = 1;
  fields.bitCount = 16;
  fields.compression = kBiBitfields;
  fields.coloursUsed = 2;
  Bytes between = bmp_writer::Masks({0xF800, 0x07E0, 0x001F});
  const Bytes colours = bmp_writer::ColourTable(table);
  between.insert(between.end(), colours.begin(), colours.end());
  Palette palette;
  ASSERT_TRUE(DibMakePalette(
      ReadBytes(bmp_writer::Assemble(bmp_writer::InfoHeader(fields), between, Bytes(4, 0))),
      palette));
  ExpectEntries(palette, table);
}

TEST(Palette, RefusesRecordsThatDisagree) {
  Palette palette;
  LogPalette record;
  EXPECT_FALSE(palette.Create(record));  // no entries
  record.entries.resize(2);
  record.entryCount = 3;
  EXPECT_FALSE(palette.Create(record));
  record.entryCount = 2;
  record.version = 0x200;
  EXPECT_FALSE(palette.Create(record));
  record.version = LogPalette::kVersion;
  EXPECT_TRUE(palette.Create(record));
  EXPECT_FALSE(palette.Create(record));  // holds one already
  EXPECT_EQ(palette.Entries().size(), 2u);
}

}  // namespace
}  // namespace voka
