// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "limits/refusal.h"
#include "psf/psf_analysis.h"
#include "psf/psf_settings.h"
#include "pupils/design_check.h"
#include "pupils/design_parameter.h"
#include "pupils/pupil_design.h"

namespace voka::studies {

// A sweep of one number of a design: each step is the design with the
// parameter set to one of the range's values, drawn at pupilSide and
// analysed as --psf analyses a design.
struct SweepRequest {
  pupils::PupilDesign design;
  pupils::SweepRange range;
  int pupilSide = 0;
  // The aperture is each step's design's own (a sweep may change it) unless
  // apertureFromDesign is false.
  psf::PsfSettings settings;
  bool apertureFromDesign = true;
};

enum class SweepRefusalKind {
  kParameter,     // the path names no number of this design (parameterProblem)
  kStepDesign,    // a step's design cannot be drawn (designProblem, at stepValue)
  kSettings,      // a step's settings are out of range (settingsRefusal, at stepValue)
  kPupilSide,     // pupilSide outside 1 .. psf::kMaximumPupilSide
  kGridTooLarge,  // pupilSide × pad factor over psf::kMaximumPaddedSide
};

struct SweepRefusal {
  SweepRefusalKind kind = SweepRefusalKind::kParameter;
  pupils::ParameterProblem parameterProblem = pupils::ParameterProblem::kNone;
  pupils::DesignProblem designProblem;
  std::optional<limits::Refusal> settingsRefusal;
  double stepValue = 0.0;
};

// Why the sweep cannot run, found before anything is drawn: every step is
// checked, so a range that leaves the design's limits half way is refused
// whole.
std::optional<SweepRefusal> CheckSweep(const SweepRequest& request);

// The design and the settings of the step at `value`.
pupils::PupilDesign StepDesign(const SweepRequest& request, double value);
psf::PsfSettings StepSettings(const SweepRequest& request, const pupils::PupilDesign& stepDesign);

// One step drawn and analysed on the calling thread (with the thread budget
// it sees there); nothing when cancelled or when the step's pupil lets no
// light through.
std::optional<psf::PsfAnalysis> AnalyseSweepStep(const SweepRequest& request, double value,
                                                 const psf::PsfProgress& progress = {});

}  // namespace voka::studies
