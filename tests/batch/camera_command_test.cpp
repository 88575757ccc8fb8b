// SPDX-License-Identifier: GPL-3.0-or-later
// The headless camera image: its files whole or not at all, bad values as
// usage errors, and a bad table as a refused input.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>

#include "batch/batch_run.h"
#include "batch_fixture.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

class CameraCommand : public test::BatchFixture {
 protected:
  int Run(std::vector<std::string> extra) {
    std::vector<std::string> arguments{"--camera",   "--design", "preset:4-vanes", "--size", "128",
                                       "--field-px", "16",       "--wavelengths",  "8"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    out_.str({});
    err_.str({});
    return RunBatchArguments(arguments, RunContext{out_, err_, false, table_});
  }
  std::string Path(const char* name) const { return (folder_.path() / name).string(); }
};

TEST_F(CameraCommand, WritesThePictureTheCubeAndTheNumbers) {
  ASSERT_EQ(Run({"--exposure", "1000", "--png", Path("c.png"), "--fits", Path("c.fits"), "--json",
                 Path("c.json")}),
            kBatchSuccess)
      << err_.str();
  EXPECT_EQ(test::ReadFileBytes(Path("c.png")).substr(1, 3), "PNG");
  EXPECT_EQ(test::ReadFileBytes(Path("c.fits")).substr(0, 9), "SIMPLE  =");
  const QJsonObject numbers =
      QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(Path("c.json"))))
          .object();
  EXPECT_EQ(numbers["subsampling"].toInt(), 4);
  EXPECT_GT(numbers["spike_fraction"].toDouble(), 0.01);
  EXPECT_NE(out_.str().find("スパイク光量="), std::string::npos) << out_.str();
  // A second run may replace its own files.
  EXPECT_EQ(Run({"--json", Path("c.json")}), kBatchSuccess) << err_.str();
}

TEST_F(CameraCommand, BadValuesAreUsageErrorsAndABadTableIsARefusedInput) {
  std::ofstream(Path("kept.json")) << "";
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--colour", "sepia"},
                                              {"--stretch", "gamma"},
                                              {"--exposure", "0"},
                                              {"--offset-px", "0.6,0"},
                                              {"--spectrum", "flat:700-400"},
                                              {"--spectrum", "blackbody:-5"},
                                              {"--response", "r.csv"},
                                              {"--pad", "4"}}) {
    std::vector<std::string> arguments = bad;
    arguments.insert(arguments.end(), {"--json", Path("kept.json")});
    EXPECT_EQ(Run(arguments), kBatchUsageError) << bad.front() << ' ' << bad.back();
  }
  std::ofstream(Path("sky.csv")) << "wavelength_nm,weight\n500,1\n450,1\n";
  EXPECT_EQ(Run({"--spectrum", Path("sky.csv"), "--json", Path("kept.json")}), kBatchFailure);
  EXPECT_NE(err_.str().find("sky.csv"), std::string::npos) << err_.str();
  EXPECT_EQ(test::ReadFileBytes(Path("kept.json")), "") << "nothing written";
}

// --compare A B --camera: A's side of the comparison is --camera of A with
// the same options, and the camera options belong to that mode only.
TEST_F(CameraCommand, ACameraComparisonHoldsEachImagesOwnNumbers) {
  const std::vector<std::string> camera{"--size",        "128", "--field-px", "16",
                                        "--wavelengths", "8",   "--colour",   "camera"};
  ASSERT_EQ(Run({"--colour", "camera", "--json", Path("a.json")}), kBatchSuccess) << err_.str();
  const auto compare = [&](std::vector<std::string> extra) {
    std::vector<std::string> arguments{"--compare", "preset:4-vanes", "preset:3-vanes"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    out_.str({});
    err_.str({});
    return RunBatchArguments(arguments, RunContext{out_, err_, false, table_});
  };
  std::vector<std::string> withCamera = camera;
  withCamera.insert(withCamera.begin(), "--camera");
  withCamera.insert(withCamera.end(), {"--json", Path("ab.json"), "--png", Path("ab.png")});
  ASSERT_EQ(compare(withCamera), kBatchSuccess) << err_.str();
  const auto json = [this](const char* name) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(Path(name))))
        .object();
  };
  const QJsonObject comparison = json("ab.json");
  EXPECT_EQ(comparison["a"].toObject(), json("a.json"));
  EXPECT_EQ(comparison["delta"].toObject()["peak_fraction"].toArray().size(), 3);
  EXPECT_NE(out_.str().find("peak_fraction[2]: A="), std::string::npos) << out_.str();
  EXPECT_EQ(test::ReadFileBytes(Path("ab.png")).substr(1, 3), "PNG");

  // A camera option without --camera, or a star-image option with it, is a
  // usage error that names the mode, and nothing is written.
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--pixel-um", "3"}, {"--camera", "--pad", "4"}}) {
    std::vector<std::string> arguments = bad;
    arguments.insert(arguments.end(), {"--json", Path("none.json")});
    EXPECT_EQ(compare(arguments), kBatchUsageError) << bad.front();
    EXPECT_NE(err_.str().find("--compare --camera"), std::string::npos) << err_.str();
    EXPECT_FALSE(std::filesystem::exists(Path("none.json")));
  }
}

}  // namespace
}  // namespace voka
