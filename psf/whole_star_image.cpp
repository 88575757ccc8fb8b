// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/whole_star_image.h"

#include "psf/complex_padded_transform.h"
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
  ImageSink sink(image, 1.0 / ClearAperturePeak(pupil.side), FieldSpectrumBlockCount(side),
                 [side, centre](int frequency) {
                   return ColumnPlace{(frequency + centre) % side, 1};
                 });
  const bool finished = TransformPaddedField(
      pupil, image.settings.wavelengthNm, side, threads::ThreadBudget(),
      [&sink](int, const fourier::SpectrumColumns& block) { sink(block); }, progress);
  if (!finished) return false;
  sink.Finish();
  return true;
}

}  // namespace voka::psf
