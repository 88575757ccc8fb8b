// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/light_tables_csv.h"

#include <gtest/gtest.h>

namespace voka::camera {
namespace {

TEST(SpectrumCsv, ReadsRowsAfterAHeaderAndComments) {
  const SpectrumCsv csv =
      ParseSpectrumCsv("wavelength_nm,weight\r\n# a comment\n400, 1\n\n500,2.5\n");
  ASSERT_TRUE(csv.spectrum) << CsvProblemMessage(csv.problem);
  EXPECT_EQ(csv.spectrum->fromNm, 400.0);
  EXPECT_EQ(csv.spectrum->toNm, 500.0);
  EXPECT_NEAR(SpectralPower(*csv.spectrum, 450.0), 1.75, 1e-12);
  const ResponseCsv response = ParseResponseCsv("400,0,0,1\n700,1,0,0\n");
  ASSERT_TRUE(response.response);
  EXPECT_EQ(response.response->rgb[1][0], 1.0);
}

TEST(SpectrumCsv, RefusesEachKindOfBadFileNamingTheLine) {
  struct Case {
    std::string text;
    CsvRefusal reason;
    int line;
  };
  const Case cases[] = {
      {std::string("400,1\n500,\0", 11), CsvRefusal::kNotText, 0},
      {"400,1\n500,1,2\n", CsvRefusal::kFieldCount, 2},
      {"400,1\n500,nan\n", CsvRefusal::kNotANumber, 2},
      {"400,1\n500,1e999\n", CsvRefusal::kNotANumber, 2},
      {"400,1\n500,0x10\n", CsvRefusal::kNotANumber, 2},
      {"50,1\n500,1\n", CsvRefusal::kWavelengthRange, 1},
      {"400,1\n400,1\n", CsvRefusal::kNotAscending, 2},
      {"400,1\n500,-1\n", CsvRefusal::kNegativeWeight, 2},
      {"400,1\n", CsvRefusal::kTooFewRows, 0},
      {"", CsvRefusal::kTooFewRows, 0},
      {"a,b\nc,d\n", CsvRefusal::kNotANumber, 2},
  };
  for (const Case& c : cases) {
    const SpectrumCsv csv = ParseSpectrumCsv(c.text);
    EXPECT_FALSE(csv.spectrum) << c.text;
    EXPECT_EQ(csv.problem.reason, c.reason) << c.text;
    EXPECT_EQ(csv.problem.line, c.line) << c.text;
    EXPECT_FALSE(CsvProblemMessage(csv.problem).empty());
  }
  std::string many;
  for (int i = 0; i <= kMaximumCsvRows; ++i) many += std::to_string(400.0 + i * 0.001) + ",1\n";
  EXPECT_EQ(ParseSpectrumCsv(many).problem.reason, CsvRefusal::kTooManyRows);
}

}  // namespace
}  // namespace voka::camera
