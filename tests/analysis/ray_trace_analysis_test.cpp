// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ray_trace_analysis.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/analysis_messages.h"
#include "analysis/fft_analysis.h"
#include "diffraction_sum/field_modulus.h"
#include "reference/plain_diffraction_sum.h"
#include "reference/pupil_images.h"
#include "support/recorded_run.h"
#include "support/sanitizer.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using pupil_shapes::PupilShape;

using test::kSanitized;

using AnalysisRun = test::RecordedRun<AnalysisResult>;

AnalysisRun Trace(Canvas& canvas, const DibHandle& pupil, const std::filesystem::path& table) {
  return test::Record(RunRayTrace, canvas, pupil, table);
}

// The table line of image row j, field i.
std::string Field(const std::string& table, int j, int i) {
  std::size_t at = table.find("\r\n");
  for (int line = 0; line < j; ++line) at = table.find("\r\n", at + 2);
  at += 2;
  for (int field = 0; field < i; ++field) at = table.find(" ,", at) + 2;
  return table.substr(at, table.find(" ,", at) - at);
}

// The table the plain loop gives for the amplitudes the thumbnail holds.
std::string PlainTable(const Canvas& traced, const std::filesystem::path& path) {
  auto amplitudes = std::make_unique<PupilAmplitudes>();
  for (int k = 0; k < kPupilSamples; ++k)
    for (int l = 0; l < kPupilSamples; ++l)
      amplitudes->a[k][l] = (traced.GetPixel(k + 2, l + 2) & 0xFF) / 255.0;
  auto field = std::make_unique<ImageField>();
  reference::PlainDiffractionSum(*amplitudes, *field);
  ResultTable table{};
  double maximum = 0.0;
  for (int i = 0; i < 64; ++i)
    for (int j = 0; j < 64; ++j) {
      const double m =
          std::sqrt(field->real[i][j] * field->real[i][j] + field->imag[i][j] * field->imag[i][j]);
      if (m >= maximum) maximum = m;
    }
  for (int i = 0; i < 64; ++i)
    for (int j = 0; j < 64; ++j)
      table[i][j] =
          std::sqrt(field->real[i][j] * field->real[i][j] + field->imag[i][j] * field->imag[i][j]) /
          maximum;
  WriteResultTable(kRayTraceHeader, table, path);
  return test::ReadFileBytes(path);
}

TEST(RayTrace, TableIsByteIdenticalToThePlainLoopOnSamplePupils) {
  std::vector<std::string> samples = {"obstructed_4vanes_512_24.bmp"};
  if (!kSanitized) {
    samples.push_back("obstructed_curved_vane_128_8.bmp");
    samples.push_back("offcentre_obstruction_512_8.bmp");
  }
  for (const std::string& sample : samples) {
    SCOPED_TRACE(sample);
    test::ScratchFolder folder("ray-plain");
    const DibHandle pupil = DibReadPath(test::SamplePupilPath(sample));
    ASSERT_TRUE(pupil);
    Canvas canvas;
    const AnalysisRun run = Trace(canvas, pupil, folder.path() / "VOKA.TXT");
    ASSERT_EQ(run.result.outcome, AnalysisOutcome::kDone);
    EXPECT_EQ(test::ReadFileBytes(folder.path() / "VOKA.TXT"),
              PlainTable(canvas, folder.path() / "plain.txt"));
  }
}

TEST(RayTrace, CentreReadsOneForAnyPupilWithRed) {
  test::ScratchFolder folder("ray-centre");
  for (const ColourValue colour : {kWhite, Rgb(1, 0, 0), Rgb(200, 30, 255)}) {
    bmp_writer::ColourImage image(128, 128, kBlack);
    image.At(77, 20) = colour;
    image.At(10, 90) = colour;
    Canvas canvas;
    Trace(canvas, test::DibFromImage(image), folder.path() / "VOKA.TXT");
    const std::string table = test::ReadFileBytes(folder.path() / "VOKA.TXT");
    EXPECT_EQ(Field(table, 32, 32), "1.000000") << std::hex << colour;
  }
}

TEST(RayTrace, GreenAndBluePupilsAreBlocked) {
  test::ScratchFolder folder("ray-blocked");
  for (const ColourValue colour : {Rgb(0, 255, 0), Rgb(0, 0, 255), kBlack}) {
    Canvas canvas;
    const AnalysisRun run =
        Trace(canvas, test::UniformPupil(128, colour), folder.path() / "VOKA.TXT");
    EXPECT_EQ(run.result.maximum, 0.0);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0], std::string(kNoLightMessage) + kNanTableNote);
    const std::string table = test::ReadFileBytes(folder.path() / "VOKA.TXT");
    EXPECT_EQ(Field(table, 0, 0), "nan");
    EXPECT_EQ(Field(table, 32, 32), "nan");
    EXPECT_EQ(canvas.GetPixel(130 + 64, 2 + 64), kBlack) << "the picture is black";
  }
}

TEST(RayTrace, NoLightAndNoTableSaysBothWithoutPromisingNan) {
  test::ScratchFolder folder("ray-dark-unwritable");
  Canvas canvas;
  const AnalysisRun run =
      Trace(canvas, test::UniformPupil(16, kBlack), folder.path() / "missing" / "VOKA.TXT");
  EXPECT_EQ(run.result.outcome, AnalysisOutcome::kTableFailed);
  ASSERT_EQ(run.messages.size(), 2u);
  EXPECT_EQ(run.messages[0], kNoLightMessage);
  EXPECT_NE(run.messages[1].find("VOKA.TXT"), std::string::npos) << run.messages[1];
}

// The sum samples the 128x128 thumbnail, not the file: a 64x64 image and
// the same image enlarged to 128x128 pixel by pixel give the same table.
TEST(RayTrace, SamplesComeFromTheThumbnail) {
  if (kSanitized) GTEST_SKIP() << "two full sums are too slow under the sanitizers";
  test::ScratchFolder folder("ray-thumbnail");
  bmp_writer::ColourImage small(64, 64, kBlack), large(128, 128, kBlack);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool open = (x - 32) * (x - 32) + (y - 30) * (y - 30) < 600 && x != 40;
      const ColourValue colour = open ? Grey(static_cast<std::uint8_t>(100 + x)) : kBlack;
      small.At(x, y) = colour;
      for (int d = 0; d < 4; ++d) large.At(2 * x + d % 2, 2 * y + d / 2) = colour;
    }
  Canvas a, b;
  Trace(a, test::DibFromImage(small), folder.path() / "small.txt");
  Trace(b, test::DibFromImage(large), folder.path() / "large.txt");
  EXPECT_EQ(test::ReadFileBytes(folder.path() / "small.txt"),
            test::ReadFileBytes(folder.path() / "large.txt"));
}

TEST(RayTrace, ProgressOncePerPupilColumnUpTo100) {
  test::ScratchFolder folder("ray-progress");
  Canvas canvas;
  const AnalysisRun run = Trace(canvas, test::UniformPupil(4, kBlack), folder.path() / "VOKA.TXT");
  ASSERT_EQ(run.progress.size(), 128u);
  for (int k = 0; k < 128; ++k)
    EXPECT_EQ(run.progress[k], static_cast<int>(k / 127.0 * 100.0)) << k;
  EXPECT_EQ(run.progress[1], 0);
  EXPECT_EQ(run.progress.back(), 100);
}

TEST(RayTrace, PicturePositions) {
  test::ScratchFolder folder("ray-picture");
  Canvas canvas;
  FillBox(canvas, 0, 0, 512, 512, Rgb(9, 9, 9));
  bmp_writer::ColourImage image(128, 128, kBlack);
  image.At(64, 64) = kWhite;  // one sample: every image point has the same modulus
  Trace(canvas, test::DibFromImage(image), folder.path() / "VOKA.TXT");
  EXPECT_EQ(canvas.GetPixel(2 + 64, 2 + 64), kWhite) << "thumbnail at (2, 2)";
  EXPECT_EQ(canvas.GetPixel(2, 2), kBlack);
  EXPECT_EQ(canvas.GetPixel(130, 2), kWhite) << "picture from (130, 2)";
  EXPECT_EQ(canvas.GetPixel(257, 129), kWhite) << "to (257, 129)";
  EXPECT_EQ(canvas.GetPixel(258, 129), kBlack);
  EXPECT_EQ(canvas.GetPixel(257, 130), kBlack);
  EXPECT_EQ(canvas.GetPixel(399, 155), kBlack) << "cleared box";
  EXPECT_EQ(canvas.GetPixel(400, 0), Rgb(9, 9, 9)) << "outside the cleared box";
  EXPECT_EQ(canvas.GetPixel(0, 156), Rgb(9, 9, 9));
}

TEST(RayTrace, AfterAnFftOnlyTheRayTraceTableRemains) {
  test::ScratchFolder folder("ray-after-fft");
  const auto path = folder.path() / "VOKA.TXT";
  Canvas canvas;
  const DibHandle pupil = test::ShapePupil(PupilShape::kClear, 128);
  RunFftAnalysis(canvas, pupil, {}, {}, path);
  ASSERT_EQ(test::ReadFileBytes(path).substr(0, 13), "VOKA \x82\x65\x82\x65\x82\x73\r\n");
  Trace(canvas, pupil, path);
  const std::string table = test::ReadFileBytes(path);
  EXPECT_EQ(table.substr(0, 19), "VOKA \x83\x8C\x83\x43\x83\x67\x83\x8C\x81\x5B\x83\x58\r\n");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 65);
}

TEST(RayTrace, WithoutAnImageNothingChanges) {
  test::ScratchFolder folder("ray-no-image");
  Canvas canvas;
  FillBox(canvas, 0, 0, 5, 5, kWhite);
  const AnalysisRun run = Trace(canvas, DibHandle(), folder.path() / "VOKA.TXT");
  EXPECT_EQ(run.result.outcome, AnalysisOutcome::kNoPupil);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], kNoPupilMessage);
  EXPECT_TRUE(run.progress.empty());
  EXPECT_EQ(canvas.GetPixel(4, 4), kWhite);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "VOKA.TXT"));
}

}  // namespace
}  // namespace voka
