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
// spectrum gives the rest by F(-ky, -kx) = conj F(ky, kx). Column c of the
// block is frequency firstColumn + c; it starts at values + c * columnStride
// and holds paddedSide values in transform order (frequency k at index k,
// the negative frequencies from the middle on).
struct SpectrumColumns {
  int firstColumn = 0;
  int columnCount = 0;
  int columnStride = 0;
  const fftw_complex* values = nullptr;
};

// The transform runs on this many threads, the caller's among them.
constexpr int kSpectrumWorkers = 2;

// Receives the blocks on kSpectrumWorkers threads at once; `worker` (0 up to
// kSpectrumWorkers - 1) tells which, so that a sink can keep its sums per
// worker without locks. Blocks never share a column.
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
// pupil's side. False when cancelled or when the sizes do not fit;
// std::bad_alloc when memory runs out.
bool TransformPaddedPupil(const PupilSamples& pupil, int paddedSide,
                          const SpectrumColumnsSink& sink, const TransformProgress& progress);

}  // namespace voka::fourier
