// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "camera/camera_numbers.h"
#include "psf/psf_analysis.h"
#include "pupils/star_pupil.h"
#include "studies/comparison_json.h"
#include "studies_fixture.h"

namespace voka::studies {
namespace {

constexpr int kSide = 64;

psf::PsfAnalysis Analysed(const pupils::PupilDesign& design) {
  psf::PsfSettings settings;
  settings.padFactor = 2;
  return *psf::AnalysePupil(pupils::StarPupilOfDesign(design, kSide), settings);
}

QJsonObject Parsed(const std::string& text) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

TEST(ComparisonJson, DeltaIsBMinusAZeroAgainstItselfAndNegatedBySwapping) {
  const psf::PsfAnalysis a = Analysed(test::SpiderDesign({0, 90, 180, 270}, 2.0));
  const psf::PsfAnalysis b = Analysed(test::SpiderDesign({90, 210, 330}, 4.0));
  const QJsonObject forward = Parsed(ComparisonJson(a, b));
  const QJsonObject backward = Parsed(ComparisonJson(b, a));
  const QJsonObject same = Parsed(ComparisonJson(a, a));
  const QJsonObject delta = forward["delta"].toObject();
  ASSERT_TRUE(delta.contains("peak_ratio") && delta.contains("spike_fraction"));
  EXPECT_FALSE(delta.contains("encircled_energy")) << "only scalars change";
  for (auto it = delta.begin(); it != delta.end(); ++it) {
    const double aValue = forward["a"][it.key()].toDouble();
    const double bValue = forward["b"][it.key()].toDouble();
    EXPECT_EQ(it.value().toDouble(), bValue - aValue) << it.key().toStdString();
    EXPECT_EQ(backward["delta"][it.key()].toDouble(), -it.value().toDouble())
        << it.key().toStdString();
    EXPECT_EQ(same["delta"][it.key()].toDouble(), 0.0) << it.key().toStdString();
  }
  // Three wider vanes scatter more light than four narrow ones.
  EXPECT_GT(delta["spike_fraction"].toDouble(), 0.0);
  EXPECT_EQ(forward["a"]["peak_ratio"].toDouble(), a.numbers.peakRatio);
  EXPECT_EQ(forward["b"]["encircled_energy"].toArray().size(),
            static_cast<qsizetype>(b.numbers.encircledEnergy.size()));
}

// The camera's comparison has the keys of --camera --json on every side,
// the brightest-pixel fraction a list whose change is taken channel by
// channel.
TEST(ComparisonJson, CameraDeltaIsBMinusAOnEveryKeyAndEveryChannel) {
  camera::CameraNumbers a;
  a.brightestPixelFraction = {0.5, 0.25, 0.125};
  a.encircledEnergy1Pixel = 0.75;
  a.spikeFraction = 0.03125;
  a.samplingQ = 1.5;
  a.subsamples = 4;
  camera::CameraNumbers b = a;
  b.brightestPixelFraction = {0.375, 0.5, 0.0625};
  b.encircledEnergy3Pixels = 0.875;
  b.spikeFraction = 0.0625;
  const QJsonObject forward = Parsed(CameraComparisonJson(a, b));
  EXPECT_EQ(forward["a"].toObject(), Parsed(camera::CameraNumbersJson(a)));
  EXPECT_EQ(forward["b"].toObject(), Parsed(camera::CameraNumbersJson(b)));
  const QJsonObject delta = forward["delta"].toObject();
  EXPECT_EQ(delta.keys(), forward["a"].toObject().keys());
  EXPECT_EQ(delta["peak_fraction"].toArray(), (QJsonArray{-0.125, 0.25, -0.0625}));
  EXPECT_EQ(delta["ee_3px"].toDouble(), 0.875);
  EXPECT_EQ(delta["spike_fraction"].toDouble(), 0.03125);
  EXPECT_EQ(delta["subsampling"].toInt(-1), 0);
  EXPECT_EQ(Parsed(CameraComparisonJson(b, a))["delta"].toObject()["peak_fraction"].toArray(),
            (QJsonArray{0.125, -0.25, 0.0625}));
}

}  // namespace
}  // namespace voka::studies
