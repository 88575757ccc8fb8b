// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "dib_test_support.h"
#include "pupils/bmp_writer.h"

namespace voka {
namespace {

using bmp_writer::Bytes;
using dib_test::ReadBytes;

Bytes SmallBmp24(int width, int height) {
  return bmp_writer::Bmp24(dib_test::ScatteredColours(width, height, 7));
}

// The block holds the file from byte 14 on, then 14 zero bytes.
TEST(DibRead, BlockHoldsFileBehindHeaderThenFourteenZeros) {
  const Bytes file = SmallBmp24(5, 3);
  const DibHandle dib = ReadBytes(file);
  ASSERT_TRUE(dib);
  ASSERT_EQ(dib.Size(), file.size());
  const auto block = dib.Bytes();
  for (std::size_t i = 0; i + 14 < file.size(); ++i) {
    ASSERT_EQ(block[i], file[i + 14]) << "block byte " << i;
  }
  for (std::size_t i = file.size() - 14; i < file.size(); ++i) {
    EXPECT_EQ(block[i], 0) << "trailing byte " << i;
  }
}

// The 14-byte file that is only "BM" and its header: an empty image of
// the core form.
TEST(DibRead, AcceptsFourteenByteFileAsEmptyImage) {
  Bytes file(14, 0);
  file[0] = 'B';
  file[1] = 'M';
  DibRefusal reason = DibRefusal::kTooShort;
  const DibHandle dib = ReadBytes(file, &reason);
  ASSERT_TRUE(dib);
  EXPECT_EQ(reason, DibRefusal::kNone);
  EXPECT_EQ(dib.Size(), 14u);
  for (std::uint8_t byte : dib.Bytes()) EXPECT_EQ(byte, 0);
  EXPECT_EQ(dib.Layout().width, 0);
  EXPECT_EQ(dib.Layout().height, 0);
  EXPECT_EQ(dib.Layout().colourCount, 0u);
  EXPECT_FALSE(DibCanPaint(dib));
}

TEST(DibRead, RefusesFilesShorterThanTheFileHeader) {
  for (std::size_t length = 0; length < 14; ++length) {
    Bytes file(length, 0);
    if (length >= 2) {
      file[0] = 'B';
      file[1] = 'M';
    }
    DibRefusal reason = DibRefusal::kNone;
    EXPECT_FALSE(ReadBytes(file, &reason)) << "length " << length;
    EXPECT_EQ(reason, DibRefusal::kTooShort) << "length " << length;
  }
}

TEST(DibRead, RefusesFilesNotBeginningWithBM) {
  for (const char* magic : {"MB", "BA", "bm", "\x89P"}) {
    Bytes file = SmallBmp24(2, 2);
    file[0] = static_cast<std::uint8_t>(magic[0]);
    file[1] = static_cast<std::uint8_t>(magic[1]);
    DibRefusal reason = DibRefusal::kNone;
    EXPECT_FALSE(ReadBytes(file, &reason)) << magic;
    EXPECT_EQ(reason, DibRefusal::kNotBitmap) << magic;
  }
}

// The file header's size is not consulted, nor a pixel offset past the end.
TEST(DibRead, IgnoresFileHeaderFieldsOtherThanTheMagic) {
  Bytes file = SmallBmp24(3, 3);
  for (std::size_t i = 2; i < 14; ++i) file[i] = 0xEE;
  EXPECT_TRUE(ReadBytes(file));
}

// A file that gives fewer bytes than its length promised.
TEST(DibRead, RefusesShortRead) {
  const Bytes file = SmallBmp24(4, 4);
  DibMemoryFile shrunk(file, file.size() + 1);
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(DibRead(shrunk, &reason));
  EXPECT_EQ(reason, DibRefusal::kTruncated);
}

TEST(DibRead, RefusesFileTooLargeForAnyPupilWithoutAllocating) {
  const Bytes file = SmallBmp24(2, 2);
  DibMemoryFile huge(file, kMaxDibBytes + 1);
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(DibRead(huge, &reason));
  EXPECT_EQ(reason, DibRefusal::kTooLarge);
}

// Cutting any number of bytes off the end of a bitmap must be noticed, even
// when the cut part would fit into the 14 zero bytes that the block adds.
TEST(DibRead, RefusesPixelRowsCutShort) {
  const Bytes whole = SmallBmp24(7, 5);  // rows of 24 bytes
  for (std::size_t cut = 1; cut <= 40; ++cut) {
    const Bytes file(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut));
    DibRefusal reason = DibRefusal::kNone;
    const bool accepted = static_cast<bool>(ReadBytes(file, &reason));
    EXPECT_FALSE(accepted) << "cut " << cut;
    EXPECT_EQ(reason, DibRefusal::kTruncated) << "cut " << cut;
  }
}

// The file with `gap` bytes of filler between its colour table and its
// pixels, and the file header's pixel offset moved behind them.
Bytes WithGap(const Bytes& file, std::size_t gap) {
  const std::size_t pixels = file[10] | (file[11] << 8) | (file[12] << 16);
  Bytes gapped(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(pixels));
  gapped.insert(gapped.end(), gap, 0xA5);
  gapped.insert(gapped.end(), file.begin() + static_cast<std::ptrdiff_t>(pixels), file.end());
  const std::size_t offset = pixels + gap;
  for (int i = 0; i < 4; ++i) gapped[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  return gapped;
}

void SetPixelOffset(Bytes& file, std::uint32_t offset) {
  for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
}

// Some writers align the pixels or leave room behind the colour table; the
// block drops that gap, so it is the one the packed file gives.
TEST(DibRead, TakesPixelsFromBehindAGap) {
  const bmp_writer::ColourImage image = dib_test::ScatteredColours(7, 5, 11);
  for (const Bytes& plain : {bmp_writer::Bmp24(image), bmp_writer::Bmp8Grey(image)}) {
    const DibHandle packed = ReadBytes(plain);
    ASSERT_TRUE(packed);
    for (std::size_t gap : {1u, 2u, 10u, 1000u}) {
      const DibHandle gapped = ReadBytes(WithGap(plain, gap));
      ASSERT_TRUE(gapped) << "gap " << gap;
      EXPECT_TRUE(std::equal(gapped.Bytes().begin(), gapped.Bytes().end(), packed.Bytes().begin(),
                             packed.Bytes().end()))
          << "gap " << gap;
    }
  }
}

TEST(DibRead, PixelOffsetIntoTheHeaderOrPastTheEndIsStale) {
  const Bytes plain = SmallBmp24(5, 3);
  const DibHandle packed = ReadBytes(plain);
  for (std::uint32_t offset :
       {0u, 14u, 20u, 53u, static_cast<std::uint32_t>(plain.size() + 1), 0xFFFFFFFFu}) {
    Bytes file = plain;
    SetPixelOffset(file, offset);
    const DibHandle dib = ReadBytes(file);
    ASSERT_TRUE(dib) << "offset " << offset;
    EXPECT_TRUE(std::equal(dib.Bytes().begin(), dib.Bytes().end(), packed.Bytes().begin(),
                           packed.Bytes().end()))
        << "offset " << offset;
  }
  // An offset inside the file that leaves too few bytes for the rows.
  Bytes late = WithGap(plain, 8);
  SetPixelOffset(late, 54 + 12);
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(ReadBytes(late, &reason));
  EXPECT_EQ(reason, DibRefusal::kTruncated);
}

bmp_writer::InfoFields Fields(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                              std::uint32_t compression = 0, std::uint32_t coloursUsed = 0) {
  bmp_writer::InfoFields fields;
  fields.width = width;
  fields.height = height;
  fields.bitCount = bitCount;
  fields.compression = compression;
  fields.coloursUsed = coloursUsed;
  return fields;
}

Bytes InfoFile(const bmp_writer::InfoFields& fields, std::size_t bytesBehindHeader) {
  const Bytes header = bmp_writer::InfoHeader(fields);
  return bmp_writer::Assemble(header, {}, Bytes(bytesBehindHeader, 0));
}

TEST(DibRead, RefusesHeadersThatDoNotFitOrMakeNoSense) {
  struct Case {
    const char* what;
    bmp_writer::InfoFields fields;
    std::size_t behind;
    DibRefusal reason;
  };
  const Case cases[] = {
      {"negative width", Fields(-4, 4, 24), 64, DibRefusal::kDamagedHeader},
      {"most negative height", Fields(4, INT32_MIN, 24), 64, DibRefusal::kDamagedHeader},
      {"rows of a 2^31-1 wide image", Fields(INT32_MAX, 1, 32), 64, DibRefusal::kDamagedHeader},
      {"2^31-1 rows", Fields(1, INT32_MAX, 24), 64, DibRefusal::kDamagedHeader},
      {"colour count beyond 16 bits", Fields(1, 1, 8, 0, 0x10000), 4, DibRefusal::kDamagedHeader},
      {"table beyond 16 bits", Fields(1, 1, 8, 0, 16384), 65536 + 4, DibRefusal::kDamagedHeader},
      {"table cut short", Fields(1, 1, 8), 1000, DibRefusal::kTruncated},
      // The block has 54 bytes; the masks put the row at 52 to 55.
      {"bitfield masks before the row", Fields(1, 1, 32, 3), 0, DibRefusal::kTruncated},
  };
  for (const Case& c : cases) {
    DibRefusal reason = DibRefusal::kNone;
    EXPECT_FALSE(ReadBytes(InfoFile(c.fields, c.behind), &reason)) << c.what;
    EXPECT_EQ(reason, c.reason) << c.what;
  }
  // Controls: the same headers with their parts present are taken.
  EXPECT_TRUE(ReadBytes(InfoFile(Fields(1, 1, 8, 0, 16383), 16383 * 4 + 4)));
  EXPECT_TRUE(ReadBytes(InfoFile(Fields(1, 1, 8), 1024 + 4)));
  EXPECT_TRUE(ReadBytes(InfoFile(Fields(1, 1, 32, 3), 12 + 4)));
  // Parts that reach into the block's 14 trailing zero bytes are missing.
  EXPECT_FALSE(ReadBytes(InfoFile(Fields(1, 1, 8), 1024 + 4 - 14)));
  EXPECT_FALSE(ReadBytes(InfoFile(Fields(1, 1, 32, 3), 12 + 4 - 1)));
}

TEST(DibRead, RefusesHeaderLongerThanTheFile) {
  bmp_writer::InfoFields fields = Fields(1, 1, 24);
  fields.headerSize = 124;
  Bytes header = bmp_writer::InfoHeader(fields);
  header.resize(60);  // the file ends inside its V5 header
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(ReadBytes(bmp_writer::Assemble(header, {}, {}), &reason));
  EXPECT_EQ(reason, DibRefusal::kTruncated);

  Bytes core = bmp_writer::CoreHeader(1, 1, 24);
  core[0] = core[1] = core[2] = 0xFF;  // a header size of 16 MiB
  EXPECT_FALSE(ReadBytes(bmp_writer::Assemble(core, {}, Bytes(4, 0)), &reason));
  EXPECT_EQ(reason, DibRefusal::kTruncated);
  core[3] = 0xFF;  // and of 4 GiB, which no file can have
  EXPECT_FALSE(ReadBytes(bmp_writer::Assemble(core, {}, Bytes(4, 0)), &reason));
  EXPECT_EQ(reason, DibRefusal::kDamagedHeader);
}

// Forms the painter does not draw are still read; the open command tells
// them apart with DibCanPaint.
TEST(DibRead, ReadsUndrawableFormsButCanPaintSaysNo) {
  const Bytes jpegInside = InfoFile(Fields(16, 16, 0, 4), 100);
  const DibHandle dib = ReadBytes(jpegInside);
  ASSERT_TRUE(dib);
  EXPECT_FALSE(DibCanPaint(dib));
  EXPECT_TRUE(DibCanPaint(ReadBytes(SmallBmp24(3, 3))));
  EXPECT_FALSE(DibCanPaint(DibHandle{}));
}

class DibReadPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / std::filesystem::path(u8"voka_dib_テスト_");
    folder_ += ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder_ / u8"瞳の画像");
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }
  std::filesystem::path folder_;
};

TEST_F(DibReadPathTest, ReadsFileInJapaneseFolder) {
  const Bytes file = SmallBmp24(6, 4);
  const std::filesystem::path path = folder_ / u8"瞳の画像" / u8"副鏡.bmp";
  ASSERT_TRUE(bmp_writer::WriteFile(path, file));
  DibRefusal reason = DibRefusal::kTooShort;
  const DibHandle dib = DibReadPath(path, &reason);
  ASSERT_TRUE(dib);
  EXPECT_EQ(reason, DibRefusal::kNone);
  EXPECT_EQ(dib.Size(), file.size());
  EXPECT_EQ(dib.Layout().width, 6);
  EXPECT_EQ(dib.Layout().height, 4);
}

TEST_F(DibReadPathTest, RefusesMissingFileAndFolder) {
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(DibReadPath(folder_ / u8"ない.bmp", &reason));
  EXPECT_EQ(reason, DibRefusal::kCannotOpen);
  reason = DibRefusal::kNone;
  EXPECT_FALSE(DibReadPath(folder_ / u8"瞳の画像", &reason));
  EXPECT_EQ(reason, DibRefusal::kCannotOpen);
}

#ifndef _WIN32
// A FIFO swapped in for the file must neither block the open nor be read.
TEST_F(DibReadPathTest, RefusesFifoAndDeviceWithoutWaiting) {
  const std::filesystem::path fifo = folder_ / "pupil.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::filesystem::path& path : {fifo, std::filesystem::path("/dev/zero")}) {
    DibRefusal reason = DibRefusal::kNone;
    EXPECT_FALSE(DibReadPath(path, &reason)) << path;
    EXPECT_EQ(reason, DibRefusal::kCannotOpen) << path;
  }
}

// Names are taken byte for byte, whatever their encoding ("副鏡" in Shift-JIS).
TEST_F(DibReadPathTest, ReadsFileWhoseNameIsNotUtf8) {
  const std::filesystem::path path = folder_ / std::string("\x95\x9b\x8b\xbe.bmp");
  ASSERT_TRUE(bmp_writer::WriteFile(path, SmallBmp24(3, 2)));
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_TRUE(DibReadPath(path, &reason));
  EXPECT_EQ(reason, DibRefusal::kNone);
}
#endif

TEST_F(DibReadPathTest, ReportsWhyAFileOnDiskIsRefused) {
  const std::filesystem::path text = folder_ / "notes.txt";
  const std::string words = "not a bitmap at all";
  ASSERT_TRUE(bmp_writer::WriteFile(
      text, Bytes(reinterpret_cast<const std::uint8_t*>(words.data()),
                  reinterpret_cast<const std::uint8_t*>(words.data()) + words.size())));
  DibRefusal reason = DibRefusal::kNone;
  EXPECT_FALSE(DibReadPath(text, &reason));
  EXPECT_EQ(reason, DibRefusal::kNotBitmap);
}

TEST(DibRefusalMessage, NamesTheFileAndDiffersByReason) {
  const std::filesystem::path file(u8"C:/瞳/pupil.bmp");
  const std::string name = "瞳/pupil.bmp";
  EXPECT_TRUE(DibRefusalMessage(DibRefusal::kNone, file).empty());
  std::set<std::string> messages;
  for (DibRefusal reason :
       {DibRefusal::kCannotOpen, DibRefusal::kTooShort, DibRefusal::kNotBitmap,
        DibRefusal::kTruncated, DibRefusal::kDamagedRle, DibRefusal::kDamagedHeader,
        DibRefusal::kTooLarge, DibRefusal::kUnsupportedForm}) {
    const std::string message = DibRefusalMessage(reason, file);
    EXPECT_NE(message.find(name), std::string::npos) << message;
    EXPECT_NE(message.find("ください"), std::string::npos) << "says what to do: " << message;
    messages.insert(message);
  }
  EXPECT_EQ(messages.size(), 8u);
}

}  // namespace
}  // namespace voka
