// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "pupils/star_pupil.h"
#include "studies/sweep_csv.h"
#include "studies/sweep_paths.h"
#include "studies/sweep_run.h"
#include "studies_fixture.h"

namespace voka::studies {
namespace {

SweepRequest AngleSweep(const char* range) {
  SweepRequest request;
  request.design = test::SpiderDesign({0, 90, 180, 270}, 2.0);
  request.range = *pupils::ParseSweepRange(range).sweep;
  request.pupilSide = 64;
  request.settings.padFactor = 2;
  return request;
}

// A vane turned by +δ is the mirror image, across the x axis, of the same
// vane turned by −δ; the numbers do not see a mirror. δ = 0 is the design
// itself, computed as a single star image is.
TEST(Sweep, SymmetricRangeGivesEvenNumbersAndItsMiddleIsTheNominalDesign) {
  const SweepRequest request = AngleSweep("vanes[0].angle_deg=-6:6:5");
  ASSERT_FALSE(CheckSweep(request));
  const SweepResult result = RunSweep(request);
  ASSERT_EQ(result.end, SweepEnd::kDone);
  ASSERT_EQ(result.steps.size(), 5u);
  for (std::size_t step = 0; step < 2; ++step) {
    const SweepStep& low = result.steps[step];
    const SweepStep& high = result.steps[4 - step];
    EXPECT_EQ(low.value, -high.value);
    for (const std::string_view key : kSweepColumns) {
      EXPECT_NEAR(SweepNumber(low, key), SweepNumber(high, key), 1e-12)
          << key << " at ±" << high.value;
    }
  }
  EXPECT_GT(SweepNumber(result.steps[0], "spike_fraction"),
            SweepNumber(result.steps[2], "spike_fraction"))
      << "a turned vane no longer shares its spike with its opposite";
  const std::optional<psf::PsfAnalysis> nominal =
      psf::AnalysePupil(pupils::StarPupilOfDesign(request.design, request.pupilSide),
                        StepSettings(request, request.design));
  const std::vector<psf::Quantity> expected = psf::ResultRecord(*nominal);
  ASSERT_EQ(result.steps[2].value, 0.0);
  ASSERT_EQ(result.steps[2].record.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(result.steps[2].record[i].value, expected[i].value) << expected[i].key;

  // The CSV: one header, a row per step, every number read back exactly.
  std::istringstream csv(SweepCsv(request.range.path, result.steps));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line,
            "vanes[0].angle_deg,peak_ratio,ee_1_22,ee_2_23,ee_5,spike_fraction,strehl,"
            "wavefront_rms_nm");
  for (const SweepStep& step : result.steps) {
    ASSERT_TRUE(std::getline(csv, line));
    std::vector<double> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) {
      double value = NAN;
      std::from_chars(cell.data(), cell.data() + cell.size(), value);
      cells.push_back(value);
    }
    ASSERT_EQ(cells.size(), 1 + std::size(kSweepColumns)) << line;
    EXPECT_EQ(cells[0], step.value);
    for (std::size_t c = 0; c < std::size(kSweepColumns); ++c)
      EXPECT_EQ(cells[c + 1], SweepNumber(step, kSweepColumns[c])) << line;
  }
  EXPECT_FALSE(std::getline(csv, line)) << "no row beyond the steps";
}

TEST(Sweep, RefusesStepsOutsideTheDesignAndStopsWhenCancelled) {
  SweepRequest request = AngleSweep("vanes[*].width_mm=-1:2:4");
  const std::optional<SweepRefusal> refusal = CheckSweep(request);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->kind, SweepRefusalKind::kStepDesign);
  EXPECT_EQ(refusal->stepValue, -1.0);
  request.range = *pupils::ParseSweepRange("vanes[4].angle_deg=0:1:2").sweep;
  EXPECT_EQ(CheckSweep(request)->parameterProblem, pupils::ParameterProblem::kNoSuchVane);

  request = AngleSweep("vanes[0].angle_deg=0:1:3");
  int lastPercent = -1;
  const SweepResult done = RunSweep(request, {[&lastPercent](int percent) {
                                                EXPECT_GT(percent, lastPercent);
                                                lastPercent = percent;
                                              },
                                              {}});
  EXPECT_EQ(done.end, SweepEnd::kDone);
  EXPECT_EQ(lastPercent, 100);
  const SweepResult cancelled = RunSweep(request, {{}, [] { return true; }});
  EXPECT_EQ(cancelled.end, SweepEnd::kCancelled);
  EXPECT_TRUE(cancelled.steps.empty());
}

TEST(SweepPaths, EveryOfferedPathFitsTheDesignAndSetsTheValueItReads) {
  pupils::PupilDesign design = test::SpiderDesign({10, 100}, 1.5);
  design.vanes[1].shape = pupils::VaneShape::kCurved;
  design.wavefront.zernikeRmsNm[9] = 30.0;
  for (const std::string& path : SweepPaths(design)) {
    const pupils::SweepParse parse = pupils::ParseSweepRange(path + "=0:1:2");
    ASSERT_TRUE(parse.sweep) << path;
    EXPECT_EQ(pupils::CheckParameterFits(design, parse.sweep->parameter),
              pupils::ParameterProblem::kNone)
        << path;
    const pupils::PupilDesign changed = pupils::WithParameter(design, parse.sweep->parameter, 7.25);
    EXPECT_EQ(ParameterValue(changed, path), 7.25) << path;
  }
  EXPECT_EQ(ParameterValue(design, "vanes[1].radius_mm"), design.vanes[1].radiusMm);
  EXPECT_EQ(ParameterValue(design, "wavefront.zernike_nm_rms.9"), 30.0);
}

}  // namespace
}  // namespace voka::studies
