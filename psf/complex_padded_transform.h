// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fourier/padded_transform.h"
#include "psf/psf_progress.h"
#include "psf/pupil_amplitude.h"

namespace voka::psf {

// The two-dimensional transform of a pupil with a phase, zero-padded to
// paddedSide² as in TransformPaddedPupil, with the values of FFTW's forward
// complex transform of the field at the wavelength. The field is not real,
// so its spectrum has no symmetry to save: every column, 0 .. paddedSide - 1
// in transform order, is made and handed to the sink, in blocks and on
// `workers` threads as TransformPaddedPupil hands them (block `index` holds
// columns from index * kSpectrumBlockColumns). The pupil must have a phase
// of side² values. False when cancelled or when the sizes do not fit;
// std::bad_alloc when memory runs out.
bool TransformPaddedField(const PupilField& pupil, double wavelengthNm, int paddedSide, int workers,
                          const fourier::SpectrumColumnsSink& sink, const PsfProgress& progress);

// How many blocks the whole spectrum of a padded side comes in.
int FieldSpectrumBlockCount(int paddedSide);

}  // namespace voka::psf
