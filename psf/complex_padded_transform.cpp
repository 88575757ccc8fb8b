// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/complex_padded_transform.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "fourier/fftw_plans.h"
#include "fourier/huge_pages.h"
#include "psf/field_at_wavelength.h"
#include "threads/worker_team.h"

namespace voka::psf {

namespace {

// Rows and columns start a whole number of 64-byte lines apart, so that every
// row and every column has the alignment that its plan was made for.
constexpr int kComplexPerAlignment = 4;
// The row pass transforms pupilSide rows, the column pass paddedSide
// columns, each of paddedSide points: a fifth of the work at the default
// pad.
constexpr int kRowPassPercent = 20;

int AlignedCount(int count) {
  return (count + kComplexPerAlignment - 1) / kComplexPerAlignment * kComplexPerAlignment;
}

using fourier::kSpectrumBlockColumns;

fourier::FftwArray<fftw_complex> AllocateZeroed(std::size_t count) {
  fourier::FftwArray<fftw_complex> block = fourier::AllocateFftw<fftw_complex>(count);
  if (!block) throw std::bad_alloc();
  std::memset(static_cast<void*>(block.get()), 0, count * sizeof(fftw_complex));
  return block;
}

class PaddedFieldTransform {
 public:
  PaddedFieldTransform(const PupilField& pupil, double wavelengthNm, int paddedSide, int workers,
                       const fourier::SpectrumColumnsSink& sink, const PsfProgress& progress)
      : pupil_(pupil),
        wavelengthNm_(wavelengthNm),
        pupilSide_(pupil.side),
        paddedSide_(paddedSide),
        stride_(AlignedCount(paddedSide)),
        blockCount_(FieldSpectrumBlockCount(paddedSide)),
        // No more workers than rows: each takes every workers-th row.
        workers_(std::clamp(workers, 1, pupil.side)),
        sink_(sink),
        progress_(progress),
        scratch_(static_cast<std::size_t>(workers_)) {
    const std::size_t rowValues = static_cast<std::size_t>(pupilSide_) * stride_;
    rows_ = fourier::AllocateFftw<fftw_complex>(rowValues);
    if (!rows_) throw std::bad_alloc();
    fourier::AdviseHugePages(rows_.get(), rowValues * sizeof(fftw_complex));
    for (Scratch& scratch : scratch_) {
      scratch.row = AllocateZeroed(static_cast<std::size_t>(paddedSide_));
      scratch.columns = AllocateZeroed(static_cast<std::size_t>(kSpectrumBlockColumns) * stride_);
    }
    rowPlan_ = fourier::PlanComplexSingleRow(paddedSide_, scratch_[0].row.get(), rows_.get());
    columnPlan_ = fourier::PlanColumnBlock(paddedSide_, kSpectrumBlockColumns, stride_,
                                           scratch_[0].columns.get());
    if (!rowPlan_ || !columnPlan_) throw std::bad_alloc();
  }

  bool Run() {
    threads::OnWorkers(workers_, [this](int worker) { TransformRows(worker); });
    if (ShouldStop()) return false;
    threads::OnWorkers(workers_, [this](int worker) { TransformColumns(worker); });
    return !ShouldStop();
  }

 private:
  // What each worker transforms in: one padded row, and one block of columns.
  struct Scratch {
    fourier::FftwArray<fftw_complex> row;
    fourier::FftwArray<fftw_complex> columns;
  };

  // Worker 0 runs on the caller's thread, the only one that may report or
  // ask whether to stop.
  bool ShouldStop(int worker = 0) {
    if (worker == 0 && progress_.cancelled && progress_.cancelled()) stop_ = true;
    return stop_;
  }

  void Report(int worker, int position) const {
    if (worker == 0 && progress_.progress) progress_.progress(position);
  }

  // Each worker takes every workers_-th row and makes its field
  // there, so the sines and cosines are shared out too; the padding past the
  // pupil's side stays zero in the row scratch, which the plan keeps.
  void TransformRows(int worker) {
    fftw_complex* padded = scratch_[worker].row.get();
    for (int row = worker; row < pupilSide_; row += workers_) {
      const std::size_t start = static_cast<std::size_t>(row) * pupilSide_;
      for (int column = 0; column < pupilSide_; ++column) {
        const std::complex<double> field = FieldAt(pupil_, start + column, wavelengthNm_);
        padded[column][0] = field.real();
        padded[column][1] = field.imag();
      }
      fftw_execute_dft(rowPlan_.get(), padded,
                       rows_.get() + static_cast<std::size_t>(row) * stride_);
      if (row % 64 == 0) {
        if (ShouldStop(worker)) return;
        Report(worker, row * kRowPassPercent / pupilSide_);
      }
    }
  }

  // Blocks are taken in turn from a shared counter, so a worker slowed by
  // other load does less of them.
  void TransformColumns(int worker) {
    fftw_complex* block = scratch_[worker].columns.get();
    for (int index = nextBlock_++; index < blockCount_; index = nextBlock_++) {
      if (ShouldStop(worker)) return;
      const int firstColumn = index * kSpectrumBlockColumns;
      const int count = std::min(kSpectrumBlockColumns, paddedSide_ - firstColumn);
      GatherColumns(firstColumn, count, block);
      fftw_execute_dft(columnPlan_.get(), block, block);
      sink_(worker, {index, firstColumn, count, stride_, block});
      Report(worker, kRowPassPercent + (100 - kRowPassPercent) * index / blockCount_);
    }
  }

  // The pupil's transformed rows, then zeros for the padding rows.
  void GatherColumns(int firstColumn, int count, fftw_complex* block) const {
    for (int row = 0; row < pupilSide_; ++row) {
      const fftw_complex* from =
          rows_.get() + static_cast<std::size_t>(row) * stride_ + firstColumn;
      for (int c = 0; c < count; ++c) {
        fftw_complex& to = block[static_cast<std::size_t>(c) * stride_ + row];
        to[0] = from[c][0];
        to[1] = from[c][1];
      }
    }
    for (int c = 0; c < count; ++c) {
      std::fill_n(&block[static_cast<std::size_t>(c) * stride_ + pupilSide_][0],
                  2 * (paddedSide_ - pupilSide_), 0.0);
    }
  }

  const PupilField& pupil_;
  const double wavelengthNm_;
  const int pupilSide_;
  const int paddedSide_;
  const int stride_;  // complex values from one row, or one block column, to the next
  const int blockCount_;
  const int workers_;
  const fourier::SpectrumColumnsSink& sink_;
  const PsfProgress& progress_;
  fourier::FftwArray<fftw_complex> rows_;
  std::vector<Scratch> scratch_;
  fourier::PlanHandle rowPlan_;
  fourier::PlanHandle columnPlan_;
  std::atomic<int> nextBlock_{0};
  std::atomic<bool> stop_{false};
};

}  // namespace

int FieldSpectrumBlockCount(int paddedSide) {
  return (paddedSide + kSpectrumBlockColumns - 1) / kSpectrumBlockColumns;
}

bool TransformPaddedField(const PupilField& pupil, double wavelengthNm, int paddedSide, int workers,
                          const fourier::SpectrumColumnsSink& sink, const PsfProgress& progress) {
  const std::size_t count =
      static_cast<std::size_t>(pupil.side) * static_cast<std::size_t>(pupil.side);
  if (pupil.side <= 0 || paddedSide < pupil.side || pupil.amplitude.size() != count ||
      pupil.opdNm.size() != count || !(wavelengthNm > 0.0)) {
    return false;
  }
  PaddedFieldTransform transform(pupil, wavelengthNm, paddedSide, workers, sink, progress);
  return transform.Run();
}

}  // namespace voka::psf
