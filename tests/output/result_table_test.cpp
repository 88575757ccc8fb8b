// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/result_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "output/file_replace.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace voka {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class ResultTableFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("voka_table_" + std::to_string(std::random_device{}()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::vector<fs::path> Entries() const {
    return {fs::directory_iterator(folder_), fs::directory_iterator()};
  }

  fs::path folder_;
};

// The text between CR LF line ends; fails on any lone CR or LF.
std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "bytes after the last CR LF";
  for (const auto& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "lone line end in: " << line;
  }
  return lines;
}

std::vector<std::string> Fields(std::string line) {
  const std::string tail = " end";
  EXPECT_TRUE(line.size() >= tail.size() && line.ends_with(tail)) << line;
  line.resize(line.size() - tail.size());
  std::vector<std::string> fields;
  for (std::size_t start = 0, end; start < line.size(); start = end + 2) {
    end = line.find(" ,", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "field without \" ,\": " << line.substr(start);
      break;
    }
    fields.push_back(line.substr(start, end - start));
  }
  return fields;
}

TEST(ResultTableBytes, HeadersAreTheCodePage932Bytes) {
  const unsigned char fft[] = {'V', 'O', 'K', 'A', ' ', 0x82, 0x65, 0x82, 0x65, 0x82, 0x73, '\n'};
  const unsigned char rayTrace[] = {'V',  'O',  'K',  'A',  ' ',  0x83, 0x8C, 0x83, 0x43,
                                    0x83, 0x67, 0x83, 0x8C, 0x81, 0x5B, 0x83, 0x58, '\n'};
  EXPECT_EQ(kFftHeader, std::string(std::begin(fft), std::end(fft)));
  EXPECT_EQ(kRayTraceHeader, std::string(std::begin(rayTrace), std::end(rayTrace)));
}

TEST(ResultTableBytes, SixtyFiveCrLfLinesOfSixtyFourFieldsInRowOrder) {
  ResultTable table{};
  for (int k = 0; k < kTableSize; ++k) {
    for (int r = 0; r < kTableSize; ++r) table[k][r] = r * 1000.0 + k + 0.25;
  }
  const std::string bytes = FormatResultTable(kRayTraceHeader, table);
  const auto lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 65u);
  EXPECT_EQ(lines[0] + "\n", kRayTraceHeader);
  for (int r = 0; r < kTableSize; ++r) {
    const auto fields = Fields(lines[r + 1]);
    ASSERT_EQ(fields.size(), 64u) << "row " << r;
    for (int k = 0; k < kTableSize; ++k) {
      EXPECT_EQ(fields[k], std::to_string(r * 1000 + k) + ".250000")
          << "row " << r << " column " << k;
    }
  }
  EXPECT_TRUE(bytes.ends_with(" ,63063.250000 , end\r\n"));
}

TEST(ResultTableBytes, NumbersKeepSignsAndNonFiniteValuesAreNan) {
  ResultTable table{};
  table[0][0] = 1.0;
  table[1][0] = -1e-9;
  table[2][0] = 98765432101.0;
  table[3][0] = std::numeric_limits<double>::quiet_NaN();
  table[4][0] = std::numeric_limits<double>::infinity();
  table[5][0] = -std::numeric_limits<double>::infinity();
  table[6][0] = -0.5;
  const auto lines = SplitCrLf(FormatResultTable(kFftHeader, table));
  ASSERT_EQ(lines.size(), 65u);
  EXPECT_TRUE(lines[1].starts_with(
      "1.000000 ,-0.000000 ,98765432101.000000 ,nan ,nan ,nan ,-0.500000 ,0.000000 ,"))
      << lines[1];
}

TEST_F(ResultTableFile, ReplacesAnEarlierTableAndLeavesNoTemporary) {
  const fs::path target = folder_ / "VOKA.TXT";
  ResultTable table{};
  table[32][32] = 1.0;
  ASSERT_TRUE(WriteResultTable(kFftHeader, table, target).written);
  table[32][32] = 0.5;
  const TableWriteResult result = WriteResultTable(kRayTraceHeader, table, target);
  EXPECT_TRUE(result.written);
  EXPECT_TRUE(result.message.empty());
  const std::string bytes = Read(target);
  EXPECT_EQ(bytes, FormatResultTable(kRayTraceHeader, table));
  EXPECT_TRUE(bytes.starts_with(kRayTraceHeader.substr(0, kRayTraceHeader.size() - 1)));
  EXPECT_EQ(Entries(), std::vector<fs::path>{target});
}

TEST_F(ResultTableFile, MissingFolderIsReportedWithTheFileName) {
  const fs::path target = folder_ / "no such folder" / "VOKA.TXT";
  const TableWriteResult result = WriteResultTable(kFftHeader, ResultTable{}, target);
  EXPECT_FALSE(result.written);
  EXPECT_NE(result.message.find("no such folder/VOKA.TXT"), std::string::npos) << result.message;
  EXPECT_NE(result.message.find("を書き込めませんでした（フォルダーが見つかりません）"),
            std::string::npos)
      << result.message;
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ResultTableFile, TargetThatIsAFolderStaysAndNoTemporaryRemains) {
  const fs::path target = folder_ / "VOKA.TXT";
  fs::create_directory(target);
  Write(target / "inside", "kept");
  const TableWriteResult result = WriteResultTable(kFftHeader, ResultTable{}, target);
  EXPECT_FALSE(result.written);
  EXPECT_NE(result.message.find("VOKA.TXT"), std::string::npos) << result.message;
  EXPECT_NE(result.message.find("同じ名前のフォルダーがあります"), std::string::npos)
      << result.message;
  EXPECT_EQ(Read(target / "inside"), "kept");
  EXPECT_EQ(Entries(), std::vector<fs::path>{target});
}

// Leftovers of a crashed run, or another writer's temporaries, neither block
// the write nor are touched by it.
TEST_F(ResultTableFile, OtherTemporariesNeitherBlockNorAreTouched) {
  const fs::path target = folder_ / "VOKA.TXT";
  Write(target, "previous");
  const fs::path stale = TemporaryPathFor(target, 0);
  Write(stale, "stale");
  fs::permissions(stale, fs::perms::owner_read);
  fs::path legacy = target;
  legacy += ".partial";
  fs::create_directory(legacy);
  EXPECT_TRUE(WriteResultTable(kFftHeader, ResultTable{}, target).written);
  EXPECT_EQ(Read(target).substr(0, 5), "VOKA ");
  EXPECT_EQ(Read(stale), "stale");
  EXPECT_TRUE(fs::is_directory(legacy));
  EXPECT_EQ(Entries().size(), 3u);
}

TEST_F(ResultTableFile, TemporaryNamesAreTaggedBesideTheTarget) {
  const fs::path target = folder_ / "VOKA.TXT";
  EXPECT_EQ(TemporaryPathFor(target, 0x2a), folder_ / "VOKA.TXT.0000002a.partial");
  EXPECT_EQ(TemporaryPathFor(target, 0xffffffffu), folder_ / "VOKA.TXT.ffffffff.partial");
}

#ifndef _WIN32
// A file size limit stops root too, and fails the write half-way, like a full disk.
TEST_F(ResultTableFile, PreviousFileSurvivesAWriteThatFailsHalfWay) {
  const fs::path target = folder_ / "VOKA.TXT";
  Write(target, "previous");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 5000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const TableWriteResult result = WriteResultTable(kFftHeader, ResultTable{}, target);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(result.written);
  EXPECT_NE(result.message.find("VOKA.TXT"), std::string::npos) << result.message;
  EXPECT_EQ(Read(target), "previous");
  EXPECT_EQ(Entries(), std::vector<fs::path>{target});
}
#endif

}  // namespace
}  // namespace voka
