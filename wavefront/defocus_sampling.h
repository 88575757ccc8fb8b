// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka::wavefront {

// Whether a grid can hold a defocused star image. Defocus of a waves peak to
// valley spreads the light over a disc of radius about 4a·λ/D (the
// geometric blur of the shifted focus), so the field of view must reach 8a
// λ/D across, and the pupil needs at least 8a samples across its diameter to
// follow the phase without aliasing (the phase gradient at the rim is 4a
// waves per radius, and Nyquist asks for two samples per wave).
struct DefocusSampling {
  double peakToValleyWaves = 0.0;
  double neededFieldLambdaOverD = 0.0;  // the whole field, 8a λ/D
  double neededPupilSamples = 0.0;      // across the diameter, 8a
  bool fieldTooSmall = false;
  bool pupilTooCoarse = false;

  bool Fits() const { return !fieldTooSmall && !pupilTooCoarse; }
};

// defocusRmsNm is the Noll j = 4 coefficient; the field is the grid's whole
// width in λ/D (its pupil side for a padded transform).
DefocusSampling CheckDefocusSampling(double defocusRmsNm, double wavelengthNm,
                                     double fieldLambdaOverD, int pupilSamples);

}  // namespace voka::wavefront
