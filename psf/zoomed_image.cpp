// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/zoomed_image.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <optional>

#include "fourier/matrix_fourier_transform.h"
#include "psf/field_at_wavelength.h"
#include "psf/star_image.h"

namespace voka::psf {

namespace {

using Complex = std::complex<double>;

// The field at the wavelength; nothing if a path difference is not finite.
std::optional<std::vector<Complex>> ComplexField(const PupilField& pupil, double wavelengthNm) {
  std::vector<Complex> field(pupil.amplitude.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (!std::isfinite(pupil.opdNm[i])) return std::nullopt;
    field[i] = FieldAt(pupil, i, wavelengthNm);
  }
  return field;
}

}  // namespace

ZoomedImage ComputeZoomedImage(const PupilField& pupil, const ZoomWindow& window,
                               double wavelengthNm) {
  const int count = window.Side();
  const std::size_t samples = static_cast<std::size_t>(pupil.side > 0 ? pupil.side : 0) *
                              static_cast<std::size_t>(pupil.side > 0 ? pupil.side : 0);
  if (count <= 0 || count > kMaximumZoomSide || pupil.side <= 0 ||
      pupil.amplitude.size() != samples || (pupil.HasPhase() && pupil.opdNm.size() != samples)) {
    return {};
  }
  if (pupil.HasPhase() && !(std::isfinite(wavelengthNm) && wavelengthNm > 0.0)) {
    return {};
  }
  fourier::MatrixFourierOutput output;
  output.side = count;
  output.stepLambdaOverD = window.stepLambdaOverD;
  output.centreXLambdaOverD = window.centreXLambdaOverD;
  output.centreYLambdaOverD = window.centreYLambdaOverD;
  if (fourier::CheckMatrixFourierPlan(pupil.side, output) != fourier::MatrixFourierRefusal::kNone) {
    return {};
  }
  const fourier::MatrixFourierTransform<double> transform(pupil.side, output);

  std::vector<Complex> field;
  if (pupil.HasPhase()) {
    const std::optional<std::vector<Complex>> pupilField = ComplexField(pupil, wavelengthNm);
    if (!pupilField) return {};
    field = transform.Apply(std::span<const Complex>(*pupilField));
  } else {
    field = transform.Apply(std::span<const double>(pupil.amplitude));
  }

  ZoomedImage zoomed;
  zoomed.side = count;
  zoomed.window = window;
  zoomed.intensity.resize(field.size());
  const double unit = 1.0 / ClearAperturePeak(pupil.side);
  for (std::size_t i = 0; i < field.size(); ++i) zoomed.intensity[i] = std::norm(field[i]) * unit;
  return zoomed;
}

int ZoomWindow::Side() const {
  if (!std::isfinite(halfWidthLambdaOverD) || !std::isfinite(stepLambdaOverD) ||
      halfWidthLambdaOverD <= 0.0 || stepLambdaOverD <= 0.0) {
    return 0;
  }
  const double halfCount = std::round(halfWidthLambdaOverD / stepLambdaOverD);
  if (!(halfCount <= kMaximumZoomSide)) return 0;
  return 2 * static_cast<int>(halfCount) + 1;
}

}  // namespace voka::psf
