// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/command_table.h"
#include "batch/option_table.h"
#include "batch_fixture.h"
#include "reference/pupil_images.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

// The command's options, or nothing with `error` set.
std::optional<BatchRequest> ParseRequest(const std::vector<std::string>& arguments,
                                         std::string& error) {
  const std::optional<CommandLine> line = ParseCommandLine(arguments, error);
  if (!line || !line->arguments) return std::nullopt;
  return ReadRequest(*line->arguments, error);
}

template <typename Options>
std::optional<Options> Parse(const std::vector<std::string>& arguments) {
  std::string error;
  std::optional<BatchRequest> request = ParseRequest(arguments, error);
  EXPECT_TRUE(request.has_value()) << error;
  if (!request || !std::holds_alternative<Options>(*request)) return std::nullopt;
  return std::get<Options>(std::move(*request));
}

TEST(CommandLine, AcceptsTheDocumentedForms) {
  auto fft = Parse<FftCommandOptions>({"--fft", "pupil.bmp"});
  ASSERT_TRUE(fft);
  EXPECT_EQ(fft->pupilPath, "pupil.bmp");
  auto ray = Parse<RayTraceCommandOptions>({"--png", "out.png", "--raytrace"});
  ASSERT_TRUE(ray);
  EXPECT_EQ(ray->pngPath, "out.png");
  EXPECT_TRUE(ray->pupilPath.empty()) << "the built-in sample";
  auto dashed = Parse<RayTraceCommandOptions>({"--raytrace", "--", "-pupil.bmp"});
  ASSERT_TRUE(dashed);
  EXPECT_EQ(dashed->pupilPath, "-pupil.bmp");
  std::string error;
  auto help = ParseCommandLine({"--fft", "--help", "--wrong"}, error);
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->help);
}

TEST(CommandLine, RefusesUsageErrors) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"pupil.bmp"},
                                             {"--fft", "--raytrace"},
                                             {"--fft", "a.bmp", "b.bmp"},
                                             {"--fft", "--png"},
                                             {"--fft", "--png", "a.png", "--png", "b.png"},
                                             {"--fft", "--colour"},
                                             {"--fft", "--png", "--raytrace", "p.bmp"},
                                             {"--fft", "p.bmp", "--png", "-"},
                                             {"--fft", "-platform", "xcb"},
                                             {"--fft", "-reverse"},
                                             {"--fft", "-style=fusion"}}) {
    std::string error;
    EXPECT_FALSE(ParseRequest(arguments, error)) << arguments.size();
    EXPECT_FALSE(error.empty());
  }
}

TEST(CommandLine, ReadsTheStarImageAndDesignForms) {
  auto psf = Parse<PsfCommandOptions>(
      {"--psf", "--design",        "preset:four", "--size",        "256",    "--pad",
       "2",     "--wavelength-nm", "656.3",       "--aperture-mm", "254",    "--focal-mm",
       "1200",  "--fov",           "8.5",         "--fits",        "a.fits", "--csv",
       "a.csv", "--json",          "a.json",      "--png",         "a.png"});
  ASSERT_TRUE(psf);
  EXPECT_EQ(psf->designPath, "preset:four");
  EXPECT_EQ(psf->sidePixels, 256);
  EXPECT_EQ(psf->padFactor, 2);
  EXPECT_DOUBLE_EQ(psf->wavelengthNm, 656.3);
  EXPECT_EQ(psf->apertureMm, 254.0);
  EXPECT_EQ(psf->focalLengthMm, 1200.0);
  EXPECT_DOUBLE_EQ(psf->fieldOfViewLambdaOverD, 8.5);
  EXPECT_EQ(psf->fitsPath + psf->csvPath + psf->jsonPath + psf->pngPath, "a.fitsa.csva.jsona.png");
  auto wavefront = Parse<PsfCommandOptions>(
      {"--psf", "p.bmp", "--zernike", "2=100,11=-20.5", "--defocus-mm", "-0.5"});
  ASSERT_TRUE(wavefront);
  EXPECT_EQ(wavefront->zernikeNmRms, (std::map<int, double>{{2, 100.0}, {11, -20.5}}));
  EXPECT_EQ(wavefront->defocusMm, -0.5);
  auto save = Parse<SavePupilCommandOptions>({"--design", "d.json", "--save-pupil", "out.bmp"});
  ASSERT_TRUE(save);
  EXPECT_EQ(save->savePupilPath, "out.bmp");
  EXPECT_FALSE(save->sidePixels);
  std::string error;
  auto version = ParseCommandLine({"--version"}, error);
  ASSERT_TRUE(version);
  EXPECT_TRUE(version->version);
}

// Each refusal names what was wrong; numbers name their range and unit.
TEST(CommandLine, RefusesValuesAndCombinationsOutsideTheForms) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--psf", "p.bmp", "--size", "15"}, "16〜8192 ピクセル"},
      {{"--psf", "p.bmp", "--size", "64.5"}, "整数"},
      {{"--psf", "p.bmp", "--pad", "9"}, "2〜8 倍"},
      {{"--psf", "p.bmp", "--wavelength-nm", "nan"}, "100〜20000 nm"},
      {{"--psf", "p.bmp", "--wavelength-nm", "1e999"}, "nm"},
      {{"--psf", "p.bmp", "--aperture-mm", "0x10"}, "1〜50000 mm"},
      {{"--psf", "p.bmp", "--focal-mm", "inf"}, "mm"},
      {{"--psf", "p.bmp", "--fov", " 4"}, "λ/D"},
      {{"--psf", "p.bmp", "--fov", "-4"}, "「-」で始まる"},
      {{"--fft", "--pad", "4"}, "--pad は --psf か"},
      {{"--fft", "--size", "64"}, "--size"},
      {{"--psf"}, "瞳の画像か --design"},
      {{"--fft", "p.bmp", "--design", "d.json"}, "一緒に指定できません"},
      {{"--save-pupil", "out.bmp"}, "--design"},
      {{"--fft", "--design", "d.json", "--save-pupil", "out.bmp"}, "一つだけ"},
      {{"--design", "d.json", "--save-pupil", "o.bmp", "--png", "v.png"}, "--png"},
      {{"--fft", "--fft"}, "一度だけ"},
      {{"--psf", "p.bmp", "--zernike", "38=5"}, "1〜37 の Noll"},
      {{"--psf", "p.bmp", "--zernike", "4=1,4=2"}, "各項一度だけ"},
      {{"--psf", "p.bmp", "--zernike", "4=1,"}, "「」は使えません"},
      {{"--psf", "p.bmp", "--defocus-mm", "101"}, "-100〜100 mm"},
      {{"--fft", "--zernike", "4=1"}, "--zernike は --psf か --camera か"},
      {{"--psf", "p.bmp", "--lang", "fr"}, "ja か en"},
      {{"--fft", "-\x1b[2J"}, "\\x1B[2J"}};
  for (const auto& [arguments, expected] : cases) {
    std::string error;
    EXPECT_FALSE(ParseRequest(arguments, error)) << arguments.back();
    EXPECT_NE(error.find(expected), std::string::npos) << error;
    EXPECT_EQ(error.find('\x1b'), std::string::npos) << "raw escape in: " << error;
  }
}

// Each option a command takes has its row, so the parser and the help know it.
TEST(CommandLine, EveryOptionACommandTakesIsInTheTable) {
  for (const CommandSpec& command : Commands()) {
    for (std::string_view option : command.options)
      EXPECT_NE(FindOption(option), nullptr) << command.flag << ' ' << option;
  }
}

using Batch = test::BatchFixture;

TEST_F(Batch, BuiltInSampleGivesCaptionsTableAndPicture) {
  FftCommandOptions options;
  options.pngPath = (folder_.path() / "view.png").string();
  EXPECT_EQ(Execute(options), kBatchSuccess) << err_.str();
  EXPECT_EQ(out_.str().substr(0, 9), "開口率") << out_.str();
  EXPECT_NE(out_.str().find("２次元ＦＦＴ画像\n中心強度="), std::string::npos);
  const std::string table = test::ReadFileBytes(table_);
  EXPECT_EQ(table.substr(0, 13), "VOKA \x82\x65\x82\x65\x82\x73\r\n");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 65);
  const QImage view(QString::fromStdString(options.pngPath));
  EXPECT_EQ(view.size(), QSize(410, 165));
  EXPECT_EQ(view.pixel(0, 0) & 0xFFFFFF, 0x000080u) << "dark blue band";
}

TEST_F(Batch, RefusedPupilFailsAndLeavesTheTable) {
  std::ofstream(table_, std::ios::binary) << "previous";
  const auto bogus = folder_.path() / "bogus.bmp";
  std::ofstream(bogus, std::ios::binary) << "BM";
  FftCommandOptions options;
  options.pupilPath = bogus.string();
  EXPECT_EQ(Execute(options), kBatchFailure);
  EXPECT_NE(err_.str().find("bogus.bmp"), std::string::npos) << err_.str();
  EXPECT_EQ(test::ReadFileBytes(table_), "previous");
}

TEST_F(Batch, UnwritableTableFailsWithTheReason) {
  RayTraceCommandOptions options;
  table_ = folder_.path() / "no such folder" / "VOKA.TXT";
  EXPECT_EQ(Execute(options), kBatchFailure);
  EXPECT_NE(err_.str().find("VOKA.TXT"), std::string::npos) << err_.str();
}

TEST(BatchProgram, ExitStatusesAndHelp) {
  test::ScratchFolder folder("batch-program");
  const auto run = [&folder](const QStringList& arguments, std::string* out = nullptr) {
    QProcess batch;
    batch.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    batch.start(QStringLiteral(VOKA_BATCH_PATH), arguments);
    EXPECT_TRUE(batch.waitForFinished(60000));
    if (out) *out = batch.readAllStandardOutput().toStdString();
    return batch.exitCode();
  };
  std::string help;
  EXPECT_EQ(run({QStringLiteral("--help")}, &help), 0);
  EXPECT_NE(help.find("--raytrace"), std::string::npos);
  EXPECT_EQ(run({QStringLiteral("--wrong")}), 2);
  EXPECT_EQ(run({QStringLiteral("--fft"), QStringLiteral("missing.bmp")}), 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "VOKA.TXT"));
}

}  // namespace
}  // namespace voka
