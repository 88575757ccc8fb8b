// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

}  // namespace
}  // namespace voka::studies
