// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fftw3.h>

#include <functional>

namespace voka::fourier {

// The most columns in one block. Sixteen columns of a 4096-point transform
// are 1 MiB: they stay in cache from the gathering through the transform to
// the sink.
constexpr int kSpectrumBlockColumns = 16;

// A finished block of columns of a padded pupil's spectrum. Only the columns
// of zero and positive frequency, 0 .. paddedSide/2, are made: a real pupil's
// spectrum gives the rest by F(-ky, -kx) = conj F(ky, kx). The blocks are
// numbered from the zero frequency; column c of block `index` is frequency
// firstColumn + c = index * kSpectrumBlockColumns + c. It starts at
// values + c * columnStride and holds paddedSide values in transform order
// (frequency k at index k, the negative frequencies from the middle on).
struct SpectrumColumns {
  int index = 0;
  int firstColumn = 0;
  int columnCount = 0;
  int columnStride = 0;
  const fftw_complex* values = nullptr;
};

// How many blocks the spectrum of a padded side comes in: the columns of
// zero and positive frequency of a real pupil's, every column of a complex
// one's.
int SpectrumBlockCount(int paddedSide);
int FieldSpectrumBlockCount(int paddedSide);

// Receives the blocks on several threads at once; `worker` (0 up to the
// transform's worker count - 1) tells which, so that a sink can keep scratch
// per worker without locks. Blocks never share a column, and which worker
// gets which block varies from run to run: a sink whose result must not
// depend on the worker count keeps its sums per block.
using SpectrumColumnsSink = std::function<void(int worker, const SpectrumColumns& block)>;

// The pupil: `side` x `side` real values, row-major.
struct PupilSamples {
  int side = 0;
  const double* values = nullptr;
};

// How the transform reports and stops; both may be empty. `progress`
// receives 0..100 and `cancelled` is polled, only on the calling thread.
struct TransformProgress {
  std::function<void(int position)> progress;
  std::function<bool()> cancelled;
};

// The two-dimensional transform of the pupil zero-padded to paddedSide² (the
// pupil in the top-left corner), with the values of FFTW's real-to-complex
// transform of the padded grid. It runs as one-dimensional transforms: along
// the pupil's rows only, since the padding rows transform to zero; then along
// the columns a few at a time, so that each column block stays in cache and
// nothing of the padded grid is ever stored. paddedSide must be at least the
// pupil's side. The work is shared by `workers` threads, the caller's among
// them (fewer where there are fewer rows); the spectrum does not depend on
// their number. False when cancelled or when the sizes do not fit;
// std::bad_alloc when memory runs out.
bool TransformPaddedPupil(const PupilSamples& pupil, int paddedSide, int workers,
                          const SpectrumColumnsSink& sink, const TransformProgress& progress);

// A complex pupil field, row by row: writes row `row`'s `side` values. It is
// called on the workers' threads, each row once.
using FieldRows = std::function<void(int row, fftw_complex* values)>;

// The same for a complex field, with the values of FFTW's forward complex
// transform of the padded grid. A complex field's spectrum has no symmetry
// to save, so every column, 0 .. paddedSide - 1 in transform order, is made
// and handed to the sink.
bool TransformPaddedField(int side, const FieldRows& rows, int paddedSide, int workers,
                          const SpectrumColumnsSink& sink, const TransformProgress& progress);

}  // namespace voka::fourier
