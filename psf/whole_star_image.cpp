// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/whole_star_image.h"

#include "fourier/padded_transform.h"
#include "psf/field_at_wavelength.h"
#include "psf/image_sink.h"
#include "threads/thread_budget.h"

namespace voka::psf {

bool FillWholeStarImage(const PupilField& pupil, StarImage& image, const PsfProgress& progress) {
  image.wholeGrid = true;
  PrepareIntensity(image, image.paddedSide);
  // Nothing mirrors: transform column k, frequency k or k - side past the
  // middle, lands at (k + centreIndex) mod side.
  const int side = image.paddedSide;
  const int centre = image.centreIndex;
  const double wavelengthNm = image.settings.wavelengthNm;
  if (pupil.opdNm.size() != pupil.amplitude.size() || !(wavelengthNm > 0.0)) return false;
  ImageSink sink(image, 1.0 / ClearAperturePeak(pupil.side), fourier::FieldSpectrumBlockCount(side),
                 [side, centre](int frequency) {
                   return ColumnPlace{(frequency + centre) % side, 1};
                 });
  // Each row's field is made on the worker that transforms it, so the sines
  // and cosines are shared out too.
  const fourier::FieldRows rows = [&pupil, wavelengthNm](int row, fftw_complex* values) {
    const std::size_t start = static_cast<std::size_t>(row) * pupil.side;
    for (int column = 0; column < pupil.side; ++column) {
      const std::complex<double> field = FieldAt(pupil, start + column, wavelengthNm);
      values[column][0] = field.real();
      values[column][1] = field.imag();
    }
  };
  const bool finished = fourier::TransformPaddedField(
      pupil.side, rows, side, threads::ThreadBudget(),
      [&sink](int, const fourier::SpectrumColumns& block) { sink(block); },
      {progress.progress, progress.cancelled});
  if (!finished) return false;
  sink.Finish();
  return true;
}

}  // namespace voka::psf
