// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_parameter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pupils/design_presets.h"
#include "pupils/misalignment.h"

namespace voka::pupils {
namespace {

TEST(DesignParameter, PathsNameTheNumbersOfADesignFile) {
  const PupilDesign design = *PresetDesign("4-vanes");
  ParameterProblem problem;
  const DesignParameter second = *ParseDesignParameter("vanes[1].angle_deg", problem);
  EXPECT_EQ(WithParameter(design, second, 91.5).vanes[1].angleDeg, 91.5);
  EXPECT_EQ(WithParameter(design, second, 91.5).vanes[0], design.vanes[0]);
  const DesignParameter all = *ParseDesignParameter("vanes[*].width_mm", problem);
  for (const Vane& vane : WithParameter(design, all, 2.5).vanes) EXPECT_EQ(vane.widthMm, 2.5);
  const DesignParameter offset = *ParseDesignParameter("obstruction.offset_x_mm", problem);
  EXPECT_EQ(WithParameter(design, offset, 3.0).obstruction->offsetXMm, 3.0);
  const DesignParameter coma = *ParseDesignParameter("wavefront.zernike_nm_rms.7", problem);
  EXPECT_EQ(WithParameter(design, coma, 20.0).wavefront.zernikeRmsNm.at(7), 20.0);

  struct Refused {
    const char* path;
    ParameterProblem problem;
  };
  for (const Refused& refused :
       {Refused{"vanes[x].angle_deg", ParameterProblem::kMalformed},
        Refused{"vanes[01].angle_deg", ParameterProblem::kMalformed},
        Refused{"vanes[1]angle_deg", ParameterProblem::kMalformed},
        Refused{"vanes[1].colour", ParameterProblem::kUnknownField},
        Refused{"obstruction.size", ParameterProblem::kUnknownField},
        Refused{"wavefront.zernike_nm_rms.38", ParameterProblem::kUnknownField},
        Refused{"mirror", ParameterProblem::kMalformed}}) {
    EXPECT_FALSE(ParseDesignParameter(refused.path, problem)) << refused.path;
    EXPECT_EQ(problem, refused.problem) << refused.path;
  }
  EXPECT_EQ(CheckParameterFits(design, *ParseDesignParameter("vanes[4].angle_deg", problem)),
            ParameterProblem::kNoSuchVane);
  EXPECT_EQ(CheckParameterFits(design, *ParseDesignParameter("vanes[3].angle_deg", problem)),
            ParameterProblem::kNone);
  EXPECT_EQ(CheckParameterFits(design, *ParseDesignParameter("vanes[0].radius_mm", problem)),
            ParameterProblem::kWrongShape);
  EXPECT_EQ(CheckParameterFits(*PresetDesign("clear"), all), ParameterProblem::kNoVanes);
}

TEST(DesignParameter, SweepsIncludeBothEndsAndAreSymmetricAboutZero) {
  const SweepParse parse = ParseSweepRange("vanes[0].angle_deg=-0.7:0.7:9");
  ASSERT_TRUE(parse.sweep);
  EXPECT_EQ(parse.sweep->path, "vanes[0].angle_deg");
  const std::vector<double> values = SweepValues(*parse.sweep);
  ASSERT_EQ(values.size(), 9u);
  EXPECT_EQ(values.front(), -0.7);
  EXPECT_EQ(values.back(), 0.7);
  EXPECT_EQ(values[4], 0.0);
  for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(values[i], -values[8 - i]);
  EXPECT_EQ(SweepValues(*ParseSweepRange("aperture_mm=100:300:2").sweep),
            (std::vector<double>{100.0, 300.0}));

  struct Refused {
    const char* text;
    SweepProblem problem;
  };
  for (const Refused& refused : {Refused{"vanes[0].angle_deg", SweepProblem::kMalformed},
                                 Refused{"vanes[0].angle_deg=1:2", SweepProblem::kMalformed},
                                 Refused{"vanes[0].angle_deg=1:2:3:4", SweepProblem::kMalformed},
                                 Refused{"vanes[0].hue=1:2:3", SweepProblem::kParameter},
                                 Refused{"aperture_mm=a:2:3", SweepProblem::kNumber},
                                 Refused{"aperture_mm=1:inf:3", SweepProblem::kNumber},
                                 Refused{"aperture_mm=1:2:1", SweepProblem::kSteps},
                                 Refused{"aperture_mm=1:2:2.5", SweepProblem::kSteps},
                                 Refused{"aperture_mm=1:2:-3", SweepProblem::kSteps}}) {
    const SweepParse bad = ParseSweepRange(refused.text);
    EXPECT_FALSE(bad.sweep) << refused.text;
    EXPECT_EQ(bad.problem, refused.problem) << refused.text;
  }
}

// A spider moved as a whole still meets at its hub: every straight vane's
// centre line passes through the moved centre.
TEST(Misalignment, ShiftedSpiderStillMeetsAtItsHub) {
  const PupilDesign design = *PresetDesign("3-vanes");
  const PupilDesign shifted = WithSpiderShifted(design, 1.5, -2.0);
  EXPECT_EQ(shifted.obstruction->offsetXMm, design.obstruction->offsetXMm + 1.5);
  for (const Vane& vane : shifted.vanes) {
    const double angle = vane.angleDeg * 3.14159265358979323846 / 180.0;
    // The hub (1.5, -2) lies on the line n·p = offset, n the normal 90°
    // counter-clockwise of the vane.
    EXPECT_NEAR(-1.5 * std::sin(angle) + -2.0 * std::cos(angle), vane.offsetMm, 1e-12);
  }
  EXPECT_EQ(WithVaneRotated(design, 1, 0.5).vanes[1].angleDeg, design.vanes[1].angleDeg + 0.5);
  EXPECT_EQ(WithVaneShifted(design, 2, 0.25).vanes[2].offsetMm, design.vanes[2].offsetMm + 0.25);
  EXPECT_EQ(WithVaneRotated(design, 7, 0.5), design);
}

}  // namespace
}  // namespace voka::pupils
