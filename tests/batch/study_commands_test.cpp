// SPDX-License-Identifier: GPL-3.0-or-later
// The headless star test, comparison and sweep: what each writes, the laws
// their numbers keep, and bad values refused before anything is written.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <sstream>

#include "batch/batch_run.h"
#include "batch_fixture.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

class StudyCommands : public test::BatchFixture {
 protected:
  int Run(const std::vector<std::string>& arguments) {
    out_.str({});
    err_.str({});
    return RunBatchArguments(arguments, RunContext{out_, err_, false, table_});
  }
  std::string Path(const char* name) const { return (folder_.path() / name).string(); }
  QJsonObject Json(const char* name) const {
    return QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(Path(name))))
        .object();
  }
};

TEST_F(StudyCommands, TheStarTestWritesThreePlanesAndThePanels) {
  ASSERT_EQ(Run({"--star-test", "4", "--design", "preset:clear", "--size", "128", "--fits",
                 Path("st.fits"), "--png", Path("st.png")}),
            kBatchSuccess)
      << err_.str();
  const std::string fits = test::ReadFileBytes(Path("st.fits"));
  EXPECT_NE(fits.find("NAXIS3  =                    3"), std::string::npos);
  EXPECT_NE(fits.find("DEFOCUS =                   4."), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(Path("st.png")).substr(1, 3), "PNG");
  EXPECT_EQ(Run({"--star-test", "0.1", "--design", "preset:clear"}), kBatchUsageError);
}

// A against itself changes nothing; swapping A and B negates every change.
TEST_F(StudyCommands, AComparisonIsZeroAgainstItselfAndNegatedBySwapping) {
  ASSERT_EQ(Run({"--compare", "preset:4-vanes", "preset:4-vanes", "--size", "128", "--json",
                 Path("same.json")}),
            kBatchSuccess)
      << err_.str();
  for (const QJsonValue value : Json("same.json")["delta"].toObject())
    EXPECT_EQ(value.toDouble(), 0.0);
  ASSERT_EQ(Run({"--compare", "preset:4-vanes", "preset:3-vanes", "--size", "128", "--json",
                 Path("ab.json"), "--fits", Path("ab.fits")}),
            kBatchSuccess);
  ASSERT_EQ(Run({"--compare", "preset:3-vanes", "preset:4-vanes", "--size", "128", "--json",
                 Path("ba.json")}),
            kBatchSuccess);
  const QJsonObject ab = Json("ab.json")["delta"].toObject();
  const QJsonObject ba = Json("ba.json")["delta"].toObject();
  EXPECT_NE(ab["spike_fraction"].toDouble(), 0.0);
  for (const QString& key : ab.keys())
    EXPECT_EQ(ab[key].toDouble(), -ba[key].toDouble()) << key.toStdString();
  EXPECT_EQ(test::ReadFileBytes(Path("ab.fits")).substr(0, 9), "SIMPLE  =");
}

TEST_F(StudyCommands, ASweepWritesOneRowAStepAndIsEvenInASymmetricRange) {
  ASSERT_EQ(Run({"--sweep", "vanes[0].angle_deg=-2:2:5", "--design", "preset:4-vanes", "--size",
                 "128", "--csv", Path("s.csv")}),
            kBatchSuccess)
      << err_.str();
  std::istringstream csv(test::ReadFileBytes(Path("s.csv")));
  std::vector<std::vector<double>> rows;
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line.rfind("vanes[0].angle_deg,peak_ratio,", 0), 0u) << line;
  while (std::getline(csv, line)) {
    std::vector<double> row;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) row.push_back(std::stod(field));
    rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), 5u);
  for (std::size_t column = 1; column < rows[0].size(); ++column)
    EXPECT_NEAR(rows[0][column], rows[4][column], 1e-9) << column;
  // Refused before anything is computed or written.
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--sweep", "vanes[0].angle_deg=-2:2", "--design",
                                 "preset:4-vanes"},
        {"--sweep", "vanes[0].angle_deg=-2:2:1", "--design", "preset:4-vanes"},
        {"--sweep", "vanes[9].angle_deg=-2:2:5", "--design", "preset:4-vanes"},
        {"--sweep", "vanes[0].colour=-2:2:5", "--design", "preset:4-vanes"}}) {
    std::vector<std::string> arguments = bad;
    arguments.insert(arguments.end(), {"--csv", Path("kept.csv")});
    EXPECT_EQ(Run(arguments), kBatchUsageError) << bad[1];
  }
  EXPECT_EQ(Run({"--sweep", "vanes[0].angle_deg=-2:2:5", "--design", "preset:4-vanes"}),
            kBatchUsageError)
      << "no --csv";
  EXPECT_FALSE(std::filesystem::exists(Path("kept.csv")));
}

}  // namespace
}  // namespace voka
