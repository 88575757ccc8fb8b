// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/fft_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysis_messages.h"
#include "analysis/pupil_sampling.h"
#include "reference/pupil_images.h"
#include "sine_transform/work_areas.h"
#include "support/recorded_run.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using pupil_shapes::PupilShape;

using AnalysisRun = test::RecordedRun<AnalysisResult>;

AnalysisRun Analyse(Canvas& canvas, const DibHandle& pupil, const std::filesystem::path& table) {
  return test::Record(RunFftAnalysis, canvas, pupil, table);
}

// The 64 rows of values of a table file, as numbers.
std::vector<std::vector<double>> ParseTable(const std::string& bytes) {
  std::vector<std::vector<double>> rows;
  std::istringstream in(bytes);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Fields are "%f ," one after the other, then " end".
    std::vector<double> row;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(" ,", start)) != std::string::npos;
         start = comma + 2)
      row.push_back(std::stod(line.substr(start, comma - start)));
    EXPECT_EQ(line.substr(start), " end");
    rows.push_back(row);
  }
  return rows;
}

// The transform's lowest coefficients T[a][b], a and b in 0..32, straight
// from the definition G[k][l] = sum over i, j = 1..512 of
// A[i mod 512][j mod 512] sin(pi i (k + 1/2) / 512) sin(pi j (l + 1/2) / 512),
// as two passes of one-dimensional sums over the sampled grid.
std::vector<std::vector<double>> DirectLowCoefficients(const DoubleGrid grid) {
  constexpr int kLow = 33;
  const auto basis = [](int index, int order) {
    return std::sin(std::numbers::pi * index * (order + 0.5) / kGridSize);
  };
  std::vector<std::vector<double>> alongRows(kGridSize, std::vector<double>(kLow, 0.0));
  for (int i = 1; i <= kGridSize; ++i)
    for (int b = 0; b < kLow; ++b) {
      double sum = 0.0;
      for (int j = 1; j <= kGridSize; ++j) sum += grid[i % kGridSize][j % kGridSize] * basis(j, b);
      alongRows[i % kGridSize][b] = sum;
    }
  std::vector<std::vector<double>> low(kLow, std::vector<double>(kLow, 0.0));
  for (int a = 0; a < kLow; ++a)
    for (int b = 0; b < kLow; ++b)
      for (int i = 1; i <= kGridSize; ++i) low[a][b] += alongRows[i % kGridSize][b] * basis(i, a);
  return low;
}

TEST(FftAnalysis, TableAgreesWithTheDirectSumToThePrintedDigit) {
  test::ScratchFolder folder("fft-direct");
  const DibHandle pupil = test::ShapePupil(PupilShape::kFourVanes, 512);
  Canvas canvas;
  const AnalysisRun run = Analyse(canvas, pupil, folder.path() / "VOKA.TXT");
  ASSERT_EQ(run.result.outcome, AnalysisOutcome::kDone);
  EXPECT_TRUE(run.messages.empty());

  DoubleGrid grid = AllocGrid(kGridSize, kGridSize, {});
  Canvas scratch;
  SamplePupil(scratch, pupil, kThumbnailSize, kThumbnailSize, grid);
  const auto low = DirectLowCoefficients(grid);
  FreeGrid(grid, kGridSize);

  const auto rows = ParseTable(test::ReadFileBytes(folder.path() / "VOKA.TXT"));
  ASSERT_EQ(rows.size(), 64u);
  for (int r = 0; r < 64; ++r) {
    ASSERT_EQ(rows[r].size(), 64u) << "row " << r;
    for (int k = 0; k < 64; ++k) {
      const double expected = low[std::abs(k - 32)][std::abs(r - 32)] / low[0][0];
      // Printed with six decimals: within half a unit of the last digit.
      ASSERT_NEAR(rows[r][k], expected, 0.5e-6 + 1e-12)
          << "row=" << r << " column=" << k << " expected=" << expected;
    }
  }
}

TEST(FftAnalysis, SpectrumIsSymmetricAboutItsCentre) {
  test::ScratchFolder folder("fft-symmetry");
  Canvas canvas;
  // An off-centre obstruction breaks the pupil's own symmetry; the mirrored
  // spectrum is symmetric all the same.
  Analyse(canvas, test::ShapePupil(PupilShape::kOffCentreObstruction, 256),
          folder.path() / "VOKA.TXT");
  const auto rows = ParseTable(test::ReadFileBytes(folder.path() / "VOKA.TXT"));
  ASSERT_EQ(rows.size(), 64u);
  EXPECT_EQ(rows[32][32], 1.0);
  for (int r = 1; r < 64; ++r)
    for (int d = 1; d < 32; ++d) {
      ASSERT_EQ(rows[r][32 + d], rows[r][32 - d]) << r << "," << d;
      ASSERT_EQ(rows[32 + d][r], rows[32 - d][r]) << r << "," << d;
    }
}

TEST(FftAnalysis, CaptionsForWhiteBlackAndBluePupils) {
  test::ScratchFolder folder("fft-captions");
  Canvas canvas;
  const AnalysisRun white =
      Analyse(canvas, test::UniformPupil(512, kWhite), folder.path() / "a.txt");
  EXPECT_EQ(white.result.pupilSum, 17247240192.0);
  EXPECT_EQ(white.result.captions.at(0), "開口率  136.59％");
  EXPECT_EQ(white.result.captions.at(1), "２次元ＦＦＴ画像");

  const AnalysisRun black =
      Analyse(canvas, test::UniformPupil(64, kBlack), folder.path() / "b.txt");
  EXPECT_EQ(black.result.captions.at(0), "開口率    0.00％");
  EXPECT_EQ(black.result.captions.at(2), "中心強度=    0.00");
  EXPECT_TRUE(black.result.noLight);
  ASSERT_EQ(black.messages.size(), 1u);
  EXPECT_EQ(black.messages[0], std::string(kNoLightMessage) + kNanTableNote);

  const AnalysisRun blue =
      Analyse(canvas, test::UniformPupil(512, Rgb(0, 0, 255)), folder.path() / "c.txt");
  EXPECT_EQ(blue.result.pupilSum, 17179869184.0) << "the sum counts blue";
  EXPECT_TRUE(blue.result.noLight) << "the grid does not";
  EXPECT_EQ(blue.result.captions.at(0), "開口率  136.05％");
  const std::string table = test::ReadFileBytes(folder.path() / "c.txt");
  EXPECT_NE(table.find("nan ,nan ,"), std::string::npos);
  EXPECT_EQ(table.find("inf"), std::string::npos);
}

TEST(FftAnalysis, ProgressRunsFromZeroTo99) {
  test::ScratchFolder folder("fft-progress");
  Canvas canvas;
  const AnalysisRun run =
      Analyse(canvas, test::UniformPupil(16, kWhite), folder.path() / "VOKA.TXT");
  ASSERT_EQ(run.progress.size(), 1024u);
  EXPECT_EQ(run.progress.front(), 0);
  EXPECT_EQ(run.progress[511], 49);
  EXPECT_EQ(run.progress[512], 50);
  EXPECT_EQ(run.progress.back(), 99);
}

TEST(FftAnalysis, SecondRunGivesTheSameCanvasAndFile) {
  test::ScratchFolder folder("fft-twice");
  const DibHandle pupil = test::ShapePupil(PupilShape::kCurvedVane, 128);
  Canvas first;
  Analyse(first, pupil, folder.path() / "VOKA.TXT");
  const std::string firstTable = test::ReadFileBytes(folder.path() / "VOKA.TXT");
  Canvas second = first;
  Analyse(second, pupil, folder.path() / "VOKA.TXT");
  EXPECT_EQ(test::ReadFileBytes(folder.path() / "VOKA.TXT"), firstTable);
  for (int y = 0; y < Canvas::kSize; ++y)
    for (int x = 0; x < Canvas::kSize; ++x) ASSERT_EQ(first.GetPixel(x, y), second.GetPixel(x, y));
}

TEST(FftAnalysis, WithoutAnImageNothingChanges) {
  test::ScratchFolder folder("fft-no-image");
  Canvas canvas;
  FillBox(canvas, 10, 10, 20, 20, kWhite);
  const AnalysisRun run = Analyse(canvas, DibHandle(), folder.path() / "VOKA.TXT");
  EXPECT_EQ(run.result.outcome, AnalysisOutcome::kNoPupil);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], kNoPupilMessage);
  EXPECT_TRUE(run.progress.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "VOKA.TXT"));
  EXPECT_EQ(canvas.GetPixel(10, 10), kWhite);
  EXPECT_EQ(canvas.GetPixel(0, 0), kBlack);
}

// Fails every allocation after the first `budget` ones.
int g_allocationBudget = 0;
void* BudgetedAllocator(std::size_t bytes) {
  if (g_allocationBudget <= 0) return nullptr;
  --g_allocationBudget;
  return std::malloc(bytes);
}

TEST(FftAnalysis, AnyAllocationFailureStopsTheCommandBeforeItDraws) {
  test::ScratchFolder folder("fft-no-memory");
  // Each grid takes its row pointers and 512 rows; then the column buffer,
  // the index array and the table.
  constexpr int kGridBlocks = 1 + 512;
  for (const int budget : {0, kGridBlocks, kGridBlocks + 1 + 100, 2 * kGridBlocks,
                           2 * kGridBlocks + 1, 2 * kGridBlocks + 2}) {
    Canvas canvas;
    g_allocationBudget = budget;
    const AllocatorHook previous = SetAllocatorHook(BudgetedAllocator);
    const AnalysisRun run =
        Analyse(canvas, test::UniformPupil(8, kWhite), folder.path() / "VOKA.TXT");
    SetAllocatorHook(previous);
    EXPECT_EQ(run.result.outcome, AnalysisOutcome::kNoMemory) << budget;
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0], "Allocation Failure!");
    EXPECT_EQ(canvas.GetPixel(0, 0), kBlack) << "nothing drawn";
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "VOKA.TXT"));
  }
}

TEST(FftAnalysis, UnwritableTableLeavesThePreviousOneAndSaysSo) {
  test::ScratchFolder folder("fft-unwritable");
  Canvas canvas;
  const auto table = folder.path() / "VOKA.TXT";
  Analyse(canvas, test::UniformPupil(32, kWhite), table);
  const std::string before = test::ReadFileBytes(table);
  const AnalysisRun run =
      Analyse(canvas, test::UniformPupil(32, kWhite), folder.path() / "missing" / "VOKA.TXT");
  EXPECT_EQ(run.result.outcome, AnalysisOutcome::kTableFailed);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_NE(run.messages[0].find("VOKA.TXT"), std::string::npos) << run.messages[0];
  EXPECT_EQ(test::ReadFileBytes(table), before);
  EXPECT_EQ(canvas.GetPixel(200, 89), kWhite) << "the drawing is done all the same";
}

}  // namespace
}  // namespace voka
