// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/fft_presentation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace voka {
namespace {

namespace fs = std::filesystem;

constexpr double kReference = 21100558.0;
// |v| at which the grey level steps from 0 to 1, and from 254 to 255.
constexpr double kFirstGreyStep = 21100558.0 / 3000.0;      // 7033.519...
constexpr double kWhiteStep = 21100558.0 * 255.0 / 3000.0;  // 1793547.43

class SpectrumPresentation : public testing::Test {
 protected:
  void SetUp() override {
    cells_.assign(kGridSize * kGridSize, 0.0);
    rows_.resize(kGridSize);
    for (int x = 0; x < kGridSize; ++x) rows_[x] = &cells_[static_cast<std::size_t>(x) * kGridSize];
    folder_ = fs::temp_directory_path() /
              ("voka_spectrum_" + std::to_string(std::random_device{}()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  double& S(int x, int y) { return rows_[x][y]; }
  SpectrumReport Show(double pupilSum = 0.0) {
    return ShowSpectrum(canvas_, rows_.data(), pupilSum, folder_ / "VOKA.TXT");
  }
  // Field `column` of data line `row` of the written table.
  std::string TableField(int row, int column) {
    std::ifstream in(folder_ / "VOKA.TXT", std::ios::binary);
    std::string line;
    for (int n = 0; n <= row + 1; ++n) std::getline(in, line);  // header first
    std::size_t start = 0;
    for (int k = 0; k < column; ++k) start = line.find(" ,", start) + 2;
    return line.substr(start, line.find(" ,", start) - start);
  }
  bool AnyWhiteIn(int left, int top, int right, int bottom) const {
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        if (canvas_.GetPixel(x, y) == kWhite) return true;
      }
    }
    return false;
  }
  bool AnyPixelIs(ColourValue colour, int left, int top, int right, int bottom) const {
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        if (canvas_.GetPixel(x, y) == colour) return true;
      }
    }
    return false;
  }

  Canvas canvas_;
  std::vector<double> cells_;
  std::vector<double*> rows_;
  fs::path folder_;
};

// Every window cell gets its own grey, in the middle of its level's band and
// with alternating signs; each must come out as its 2x2 block.
TEST_F(SpectrumPresentation, EnlargementPutsEachCellInItsTwoByTwoBlock) {
  auto level = [](int x, int y) { return (x * 7 + y * 13) % 256; };
  for (int x = 224; x <= 287; ++x) {
    for (int y = 224; y <= 287; ++y) {
      S(x, y) = ((x + y) % 2 ? -1 : 1) * (level(x, y) + 0.5) * kFirstGreyStep;
    }
  }
  S(256, 256) = 1e9;  // the centre: white
  Show();
  for (int x = 224; x <= 287; ++x) {
    for (int y = 224; y <= 287; ++y) {
      const ColourValue expected = x == 256 && y == 256 ? kWhite : Grey(level(x, y));
      const int left = 136 + 2 * (x - 224), top = 25 + 2 * (y - 224);
      for (int d = 0; d < 4; ++d) {
        ASSERT_EQ(canvas_.GetPixel(left + d % 2, top + d / 2), expected)
            << "cell " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(canvas_.GetPixel(200, 89), kWhite);
  EXPECT_EQ(canvas_.GetPixel(201, 90), kWhite);
  EXPECT_EQ(canvas_.GetPixel(136, 25), Grey(level(224, 224)));
  EXPECT_EQ(canvas_.GetPixel(263, 152), Grey(level(287, 287)));
  EXPECT_FALSE(AnyWhiteIn(264, 25, 267, 152)) << "the enlargement overran column 263";
}

TEST_F(SpectrumPresentation, GreyLevelsAtTheirThresholdsAndForNonFiniteValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::pair<double, ColourValue>> cases = {{7033.518, kBlack},
                                                             {7033.52, Grey(1)},
                                                             {-7033.52, Grey(1)},
                                                             {kWhiteStep - 0.01, Grey(254)},
                                                             {kWhiteStep + 0.01, kWhite},
                                                             {1800580.95, kWhite},
                                                             {1e300, kWhite},
                                                             {-inf, kWhite},
                                                             {nan, kBlack}};
  for (std::size_t n = 0; n < cases.size(); ++n) S(224 + static_cast<int>(n), 224) = cases[n].first;
  Show();
  for (std::size_t n = 0; n < cases.size(); ++n) {
    EXPECT_EQ(canvas_.GetPixel(136 + 2 * static_cast<int>(n), 25), cases[n].second)
        << "value=" << cases[n].first;
  }
}

TEST_F(SpectrumPresentation, ProfileRisesWithMagnitudeRelativeToTheCentre) {
  S(256, 256) = 1000.0;
  S(261, 256) = 500.0;   // x 340, 60 pixels up
  S(251, 256) = -250.0;  // x 320, 30 pixels up: the sign is ignored
  S(266, 256) = 1e300;   // far above the canvas: clipped
  Show();
  EXPECT_EQ(canvas_.GetPixel(330, 30), kWhite);
  EXPECT_EQ(canvas_.GetPixel(340, 90), kWhite);
  EXPECT_EQ(canvas_.GetPixel(320, 120), kWhite);
  EXPECT_EQ(canvas_.GetPixel(392, 150), kWhite);  // the last of 31 segments on either side
  EXPECT_EQ(canvas_.GetPixel(268, 150), kWhite);
  EXPECT_TRUE(AnyWhiteIn(348, 0, 352, 2)) << "the steep segment to the huge value is missing";
  EXPECT_FALSE(AnyWhiteIn(394, 25, 420, 160)) << "profile longer than 31 segments";
  EXPECT_FALSE(AnyWhiteIn(258, 140, 267, 160)) << "profile longer than 31 segments";
}

TEST_F(SpectrumPresentation, DarkPupilDrawsNoProfileAndWritesNan) {
  S(256, 256) = 0.0;
  S(250, 256) = 5000.0;
  S(230, 240) = -3.0;
  const SpectrumReport report = Show();
  EXPECT_TRUE(report.centreIsZero);
  EXPECT_FALSE(AnyWhiteIn(264, 25, 400, 155));
  EXPECT_EQ(report.intensityCaption, "中心強度=    0.00");
  ASSERT_TRUE(report.table.written) << report.table.message;
  EXPECT_EQ(TableField(32, 32), "nan");
  EXPECT_EQ(TableField(16, 6), "nan");
  EXPECT_EQ(TableField(0, 0), "nan");
  EXPECT_EQ(TableField(63, 63), "nan");
}

TEST_F(SpectrumPresentation, CaptionsAreFormattedAndDrawnWhiteOnDarkBlue) {
  S(256, 256) = kReference;
  const SpectrumReport white = Show(512.0 * 512.0 * 65793.0);
  EXPECT_FALSE(white.centreIsZero);
  EXPECT_EQ(white.apertureCaption, "開口率  136.59％");
  EXPECT_EQ(white.titleCaption, "２次元ＦＦＴ画像");
  EXPECT_EQ(white.intensityCaption, "中心強度=    1.00");
  EXPECT_EQ(Show(0.0).apertureCaption, "開口率    0.00％");
  EXPECT_EQ(canvas_.TextColour(), kWhite);
  EXPECT_EQ(canvas_.TextBackground(), kBlack);
  // The caption cells are filled with the band's blue, above the pictures.
  EXPECT_TRUE(AnyPixelIs(kDarkBlue, 7, 5, 60, 24));
  EXPECT_TRUE(AnyPixelIs(kDarkBlue, 136, 5, 200, 24));
  EXPECT_TRUE(AnyPixelIs(kDarkBlue, 270, 5, 330, 24));
  EXPECT_FALSE(AnyPixelIs(kDarkBlue, 0, 25, 511, 511));
}

TEST_F(SpectrumPresentation, TableIsTheCentreWindowOverTheCentreValueWithSigns) {
  S(256, 256) = 4.0;
  S(224 + 3, 224 + 5) = -2.0;  // column 3, row 5
  S(224 + 63, 224) = 1.0;      // column 63, row 0
  S(224, 224 + 63) = 8.0;      // column 0, row 63
  S(223, 256) = 100.0;         // outside the window
  const SpectrumReport report = Show();
  ASSERT_TRUE(report.table.written) << report.table.message;
  std::ifstream in(folder_ / "VOKA.TXT", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(bytes.starts_with(std::string(kFftHeader.substr(0, 11)) + "\r\n"));
  EXPECT_EQ(TableField(32, 32), "1.000000");
  EXPECT_EQ(TableField(5, 3), "-0.500000");
  EXPECT_EQ(TableField(3, 5), "0.000000");
  EXPECT_EQ(TableField(0, 63), "0.250000");
  EXPECT_EQ(TableField(63, 0), "2.000000");
  EXPECT_EQ(bytes.find("25.000000"), std::string::npos);
}

}  // namespace
}  // namespace voka
