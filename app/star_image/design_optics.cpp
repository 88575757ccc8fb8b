// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/design_optics.h"

#include <QCoreApplication>
#include <cmath>

#include "wavefront/defocus_sampling.h"
#include "wavefront/wavefront_terms.h"

namespace voka {

namespace {

constexpr int kDefocusNollIndex = 4;

}  // namespace

DesignOptics OpticsOfDesign(const pupils::PupilDesign& design) {
  DesignOptics optics;
  optics.focalLengthMm = design.focalLengthMm;
  // The defocus shift is converted through the design's own focal ratio, as
  // its pupil is drawn.
  const double focalLengthMm = design.focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
  const auto terms =
      wavefront::CombinedZernikeRmsNm(design.wavefront, focalLengthMm, design.apertureDiameterMm);
  if (const auto found = terms.find(kDefocusNollIndex); found != terms.end())
    optics.defocusRmsNm = found->second;
  return optics;
}

QString DefocusSamplingWarning(double defocusRmsNm, double wavelengthNm, int pupilSide) {
  if (!std::isfinite(defocusRmsNm) || !(wavelengthNm > 0.0) || pupilSide <= 0) return {};
  const wavefront::DefocusSampling sampling =
      wavefront::CheckDefocusSampling(defocusRmsNm, wavelengthNm, pupilSide, pupilSide);
  if (sampling.Fits()) return {};
  const int needed = static_cast<int>(std::ceil(sampling.neededPupilSamples));
  return QCoreApplication::translate(
             "voka::DefocusWarning",
             "焦点はずし %1 波長 (PV) の星像は、瞳の一辺 N = %2 の格子に収まりません "
             "(視野にも瞳の標本にも %3 画素が要ります)。瞳の一辺 N を %3 以上にしてください。")
      .arg(sampling.peakToValleyWaves, 0, 'f', 1)
      .arg(pupilSide)
      .arg(needed);
}

}  // namespace voka
