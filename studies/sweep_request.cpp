// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/sweep_request.h"

#include "pupils/star_pupil.h"

namespace voka::studies {

namespace {

std::optional<pupils::DesignProblem> StepProblem(const pupils::PupilDesign& design) {
  if (std::optional<pupils::DesignProblem> problem = pupils::FindDesignProblem(design))
    return problem;
  return pupils::FindOpticsProblem(design);
}

}  // namespace

pupils::PupilDesign StepDesign(const SweepRequest& request, double value) {
  return pupils::WithParameter(request.design, request.range.parameter, value);
}

psf::PsfSettings StepSettings(const SweepRequest& request, const pupils::PupilDesign& stepDesign) {
  psf::PsfSettings settings = request.settings;
  if (request.apertureFromDesign) settings.apertureDiameterMm = stepDesign.apertureDiameterMm;
  return settings;
}

std::optional<SweepRefusal> CheckSweep(const SweepRequest& request) {
  SweepRefusal refusal;
  refusal.parameterProblem = pupils::CheckParameterFits(request.design, request.range.parameter);
  if (refusal.parameterProblem != pupils::ParameterProblem::kNone) return refusal;
  if (request.pupilSide < 1 || request.pupilSide > psf::kMaximumPupilSide) {
    refusal.kind = SweepRefusalKind::kPupilSide;
    return refusal;
  }
  if (static_cast<long long>(request.pupilSide) * request.settings.padFactor >
      psf::kMaximumPaddedSide) {
    refusal.kind = SweepRefusalKind::kGridTooLarge;
    return refusal;
  }
  for (const double value : pupils::SweepValues(request.range)) {
    const pupils::PupilDesign design = StepDesign(request, value);
    refusal.stepValue = value;
    if (std::optional<pupils::DesignProblem> problem = StepProblem(design)) {
      refusal.kind = SweepRefusalKind::kStepDesign;
      refusal.designProblem = std::move(*problem);
      return refusal;
    }
    if ((refusal.settingsRefusal = psf::CheckPsfSettings(StepSettings(request, design)))) {
      refusal.kind = SweepRefusalKind::kSettings;
      return refusal;
    }
  }
  return std::nullopt;
}

std::optional<psf::PsfAnalysis> AnalyseSweepStep(const SweepRequest& request, double value,
                                                 const psf::PsfProgress& progress) {
  const pupils::PupilDesign design = StepDesign(request, value);
  const psf::PupilAmplitude pupil = pupils::StarPupilOfDesign(design, request.pupilSide);
  if (!psf::PupilLetsLightThrough(pupil)) return std::nullopt;
  return psf::AnalysePupil(pupil, StepSettings(request, design), progress);
}

}  // namespace voka::studies
