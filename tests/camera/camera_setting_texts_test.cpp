// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_setting_texts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "camera/camera_numbers.h"

namespace voka::camera {
namespace {

TEST(SpectrumText, ReadsEachFormAndRefusesWhatIsNotOne) {
  const SpectrumText hot = ParseSpectrumText("blackbody:10000");
  ASSERT_TRUE(hot.spectrum);
  EXPECT_EQ(hot.spectrum->kind, SpectrumKind::kBlackbody);
  EXPECT_EQ(hot.spectrum->temperatureK, 10000.0);
  const SpectrumText band = ParseSpectrumText("flat:450.5-650");
  ASSERT_TRUE(band.spectrum);
  EXPECT_EQ(band.spectrum->kind, SpectrumKind::kFlat);
  EXPECT_EQ(band.spectrum->fromNm, 450.5);
  EXPECT_EQ(band.spectrum->toNm, 650.0);
  const SpectrumText file = ParseSpectrumText("sun.csv");
  EXPECT_FALSE(file.spectrum);
  EXPECT_EQ(file.csvPath, "sun.csv");
  EXPECT_EQ(file.refusal, SettingTextRefusal::kNone);

  for (const char* malformed :
       {"blackbody:", "blackbody:5800K", "flat:400", "flat:400-", "", "flat:a-b"})
    EXPECT_EQ(ParseSpectrumText(malformed).refusal, SettingTextRefusal::kMalformed) << malformed;
  EXPECT_EQ(ParseSpectrumText("flat:700-400").refusal, SettingTextRefusal::kEmptyBand);
  const SpectrumText cold = ParseSpectrumText("blackbody:10");
  EXPECT_EQ(cold.refusal, SettingTextRefusal::kOutOfRange);
  ASSERT_TRUE(cold.limit);
  EXPECT_EQ(cold.limit->limit, limits::LimitId::kTemperatureK);
  EXPECT_EQ(ParseSpectrumText("blackbody:nan").refusal, SettingTextRefusal::kOutOfRange);
  EXPECT_EQ(ParseSpectrumText("flat:-400-700").refusal, SettingTextRefusal::kOutOfRange);
}

TEST(OffsetText, ReadsBothAxesWithinHalfAPixel) {
  const OffsetText offset = ParseOffsetText("0.25,-0.5");
  EXPECT_EQ(offset.refusal, SettingTextRefusal::kNone);
  EXPECT_EQ(offset.offsetXPixels, 0.25);
  EXPECT_EQ(offset.offsetYPixels, -0.5);
  for (const char* malformed : {"0.25", "0.25;0.1", ",0.1", "0.1,", "0.1,0.2,0.3"})
    EXPECT_EQ(ParseOffsetText(malformed).refusal, SettingTextRefusal::kMalformed) << malformed;
  const OffsetText far = ParseOffsetText("0,0.6");
  EXPECT_EQ(far.refusal, SettingTextRefusal::kOutOfRange);
  ASSERT_TRUE(far.limit);
  EXPECT_EQ(far.limit->limit, limits::LimitId::kStarOffsetPixels);
}

TEST(CameraNumbersJson, WritesEveryKeyAndNumbersThatReadBackExactly) {
  CameraNumbers numbers;
  numbers.brightestPixelFraction = {0.5, 1.0 / 3.0, 0.125};
  numbers.encircledEnergy1Pixel = 0.1;
  numbers.encircledEnergy2Pixels = 0.2;
  numbers.encircledEnergy3Pixels = 0.3;
  numbers.spikeFraction = 0.0123;
  numbers.samplingQ = 0.7313829787234043;
  numbers.subsamples = 4;
  const std::string json = CameraNumbersJson(numbers);
  for (const char* line :
       {"\"peak_fraction\": [0.5, 0.3333333333333333, 0.125],", "\"ee_1px\": 0.1,",
        "\"ee_2px\": 0.2,", "\"ee_3px\": 0.3,", "\"spike_fraction\": 0.0123,",
        "\"sampling_q\": 0.7313829787234043,", "\"subsampling\": 4\n}"})
    EXPECT_NE(json.find(line), std::string::npos) << line << " in\n" << json;
  numbers.spikeFraction = std::nan("");
  EXPECT_NE(CameraNumbersJson(numbers).find("\"spike_fraction\": null"), std::string::npos)
      << "JSON has no NaN";
}

}  // namespace
}  // namespace voka::camera
