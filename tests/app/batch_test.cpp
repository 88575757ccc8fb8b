#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <sstream>

#include "app/batch/batch_options.h"
#include "app/batch/batch_run.h"
#include "reference/pupil_images.h"

namespace voka {
namespace {

std::optional<BatchOptions> Parse(std::vector<std::string> arguments) {
  std::string error;
  auto options = ParseBatchOptions(arguments, error);
  EXPECT_EQ(options.has_value(), error.empty()) << error;
  return options;
}

TEST(BatchOptions, AcceptsTheDocumentedForms) {
  auto fft = Parse({"--fft", "pupil.bmp"});
  ASSERT_TRUE(fft);
  EXPECT_EQ(fft->analysis, BatchAnalysis::kFft);
  EXPECT_EQ(fft->pupilPath, "pupil.bmp");
  auto ray = Parse({"--png", "out.png", "--raytrace"});
  ASSERT_TRUE(ray);
  EXPECT_EQ(ray->analysis, BatchAnalysis::kRayTrace);
  EXPECT_EQ(ray->pngPath, "out.png");
  EXPECT_TRUE(ray->pupilPath.empty()) << "the built-in sample";
  auto help = Parse({"--help"});
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->help);
}

TEST(BatchOptions, RefusesUsageErrors) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"pupil.bmp"},
                                             {"--fft", "--raytrace"},
                                             {"--fft", "a.bmp", "b.bmp"},
                                             {"--fft", "--png"},
                                             {"--fft", "--png", "a.png", "--png", "b.png"},
                                             {"--fft", "--colour"}}) {
    std::string error;
    EXPECT_FALSE(ParseBatchOptions(arguments, error)) << arguments.size();
    EXPECT_FALSE(error.empty());
  }
}

class Batch : public testing::Test {
 protected:
  int Execute(const BatchOptions& options) {
    out_.str({});
    err_.str({});
    return RunBatch(options, out_, err_, false, table_);
  }
  test::ScratchFolder folder_{"batch-run"};
  std::filesystem::path table_ = folder_.path() / "VOKA.TXT";
  std::ostringstream out_, err_;
};

TEST_F(Batch, BuiltInSampleGivesCaptionsTableAndPicture) {
  BatchOptions options;
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
  BatchOptions options;
  options.pupilPath = bogus.string();
  EXPECT_EQ(Execute(options), kBatchFailure);
  EXPECT_NE(err_.str().find("bogus.bmp"), std::string::npos) << err_.str();
  EXPECT_EQ(test::ReadFileBytes(table_), "previous");
}

TEST_F(Batch, UnwritableTableFailsWithTheReason) {
  BatchOptions options;
  options.analysis = BatchAnalysis::kRayTrace;
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
