// SPDX-License-Identifier: GPL-3.0-or-later
// The headless camera image: its files whole or not at all, bad values as
// usage errors, and a bad table as a refused input.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
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

}  // namespace
}  // namespace voka
