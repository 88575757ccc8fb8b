// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/padded_transform.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "fourier/fftw_plans.h"
#include "fourier/huge_pages.h"
#include "threads/thread_budget.h"
#include "threads/worker_team.h"

namespace voka::fourier {

namespace {

// Rows and columns start a whole number of 64-byte lines apart, so that every
// row and every column has the alignment that its plan was made for.
constexpr int kComplexPerAlignment = 4;
// The row pass is about a fifth of the work at the default pad.
constexpr int kRowPassPercent = 20;

int AlignedCount(int count) {
  return (count + kComplexPerAlignment - 1) / kComplexPerAlignment * kComplexPerAlignment;
}

struct Layout {
  int pupilSide = 0;
  int paddedSide = 0;
  bool complex = false;  // a complex field: every column is made
  int columnsMade = 0;   // of zero and positive frequency only, for a real pupil
  int rowStride = 0;     // complex values from one transformed row to the next
  int columnStride = 0;  // the same for a column of a block
  int blockCount = 0;
  int workers = 0;
};

Layout LayoutFor(int pupilSide, int paddedSide, int workers, bool complex) {
  Layout layout;
  layout.workers = std::clamp(workers, 1, std::min(pupilSide, threads::kMaximumThreadBudget));
  layout.pupilSide = pupilSide;
  layout.paddedSide = paddedSide;
  layout.complex = complex;
  layout.columnsMade = complex ? paddedSide : paddedSide / 2 + 1;
  layout.rowStride = AlignedCount(layout.columnsMade);
  layout.columnStride = AlignedCount(paddedSide);
  layout.blockCount =
      complex ? FieldSpectrumBlockCount(paddedSide) : SpectrumBlockCount(paddedSide);
  return layout;
}

template <typename Value>
FftwArray<Value> AllocateZeroed(std::size_t count) {
  FftwArray<Value> block = AllocateFftw<Value>(count);
  if (!block) throw std::bad_alloc();
  std::memset(static_cast<void*>(block.get()), 0, count * sizeof(Value));
  return block;
}

// What each worker transforms in: one padded row (real, or complex as pairs
// of doubles), and one block of columns.
struct Scratch {
  FftwArray<double> row;
  FftwArray<fftw_complex> columns;

  fftw_complex* ComplexRow() const { return reinterpret_cast<fftw_complex*>(row.get()); }
};

Scratch MakeScratch(const Layout& layout) {
  const std::size_t rowDoubles =
      static_cast<std::size_t>(layout.paddedSide) * (layout.complex ? 2 : 1);
  return {AllocateZeroed<double>(rowDoubles),
          AllocateZeroed<fftw_complex>(static_cast<std::size_t>(kSpectrumBlockColumns) *
                                       layout.columnStride)};
}

class PaddedTransform {
 public:
  // Exactly one of `pupil` (a real pupil) and `fieldRows` (a complex field)
  // is given, as the layout says.
  PaddedTransform(const PupilSamples& pupil, const FieldRows* fieldRows, const Layout& layout,
                  const SpectrumColumnsSink& sink, const TransformProgress& progress)
      : pupil_(pupil), fieldRows_(fieldRows), layout_(layout), sink_(sink), progress_(progress) {
    rows_ = AllocateRows();
    scratch_.resize(static_cast<std::size_t>(layout_.workers));
    for (Scratch& scratch : scratch_) scratch = MakeScratch(layout_);
    rowPlan_ = layout_.complex
                   ? PlanComplexSingleRow(layout_.paddedSide, scratch_[0].ComplexRow(), rows_.get())
                   : PlanSingleRow(layout_.paddedSide, scratch_[0].row.get(), rows_.get());
    columnPlan_ = PlanColumnBlock(layout_.paddedSide, kSpectrumBlockColumns, layout_.columnStride,
                                  scratch_[0].columns.get());
    if (!rowPlan_ || !columnPlan_) throw std::bad_alloc();
  }

  bool Run() {
    threads::OnWorkers(layout_.workers, [this](int worker) { TransformRows(worker); });
    if (ShouldStop()) return false;
    threads::OnWorkers(layout_.workers, [this](int worker) { TransformColumns(worker); });
    return !ShouldStop();
  }

 private:
  FftwArray<fftw_complex> AllocateRows() const {
    const std::size_t count = static_cast<std::size_t>(layout_.pupilSide) * layout_.rowStride;
    FftwArray<fftw_complex> rows = AllocateFftw<fftw_complex>(count);
    if (!rows) throw std::bad_alloc();
    AdviseHugePages(rows.get(), count * sizeof(fftw_complex));
    return rows;
  }

  // Worker 0 runs on the caller's thread, the only one that may report or
  // ask whether to stop.
  bool ShouldStop(int worker = 0) {
    if (worker == 0 && progress_.cancelled && progress_.cancelled()) stop_ = true;
    return stop_;
  }

  void Report(int worker, int position) const {
    if (worker == 0 && progress_.progress) progress_.progress(position);
  }

  // Each worker takes every workers-th row; the padding past the pupil's side
  // stays zero in its row scratch.
  void TransformRows(int worker) {
    const Scratch& scratch = scratch_[worker];
    for (int row = worker; row < layout_.pupilSide; row += layout_.workers) {
      fftw_complex* transformed = rows_.get() + static_cast<std::size_t>(row) * layout_.rowStride;
      if (layout_.complex) {
        (*fieldRows_)(row, scratch.ComplexRow());
        fftw_execute_dft(rowPlan_.get(), scratch.ComplexRow(), transformed);
      } else {
        std::copy_n(pupil_.values + static_cast<std::size_t>(row) * layout_.pupilSide,
                    layout_.pupilSide, scratch.row.get());
        fftw_execute_dft_r2c(rowPlan_.get(), scratch.row.get(), transformed);
      }
      if ((row / layout_.workers) % 32 == 0) {
        if (ShouldStop(worker)) return;
        Report(worker, row * kRowPassPercent / layout_.pupilSide);
      }
    }
  }

  // Blocks are taken in turn from a shared counter, so a worker slowed by
  // other load does less of them.
  void TransformColumns(int worker) {
    fftw_complex* block = scratch_[worker].columns.get();
    for (int index = nextBlock_++; index < layout_.blockCount; index = nextBlock_++) {
      if (ShouldStop(worker)) return;
      const int firstColumn = index * kSpectrumBlockColumns;
      const int count = std::min(kSpectrumBlockColumns, layout_.columnsMade - firstColumn);
      GatherColumns(firstColumn, count, block);
      fftw_execute_dft(columnPlan_.get(), block, block);
      sink_(worker, {index, firstColumn, count, layout_.columnStride, block});
      Report(worker, kRowPassPercent + (100 - kRowPassPercent) * index / layout_.blockCount);
    }
  }

  // The pupil's transformed rows, then zeros for the padding rows.
  void GatherColumns(int firstColumn, int count, fftw_complex* block) const {
    for (int row = 0; row < layout_.pupilSide; ++row) {
      const fftw_complex* from =
          rows_.get() + static_cast<std::size_t>(row) * layout_.rowStride + firstColumn;
      for (int c = 0; c < count; ++c) {
        fftw_complex& to = block[static_cast<std::size_t>(c) * layout_.columnStride + row];
        to[0] = from[c][0];
        to[1] = from[c][1];
      }
    }
    for (int c = 0; c < count; ++c) {
      std::fill_n(&block[static_cast<std::size_t>(c) * layout_.columnStride + layout_.pupilSide][0],
                  2 * (layout_.paddedSide - layout_.pupilSide), 0.0);
    }
  }

  const PupilSamples pupil_;
  const FieldRows* const fieldRows_;
  const Layout layout_;
  const SpectrumColumnsSink& sink_;
  const TransformProgress& progress_;
  FftwArray<fftw_complex> rows_;
  std::vector<Scratch> scratch_;
  PlanHandle rowPlan_;
  PlanHandle columnPlan_;
  std::atomic<int> nextBlock_{0};
  std::atomic<bool> stop_{false};
};

}  // namespace

int SpectrumBlockCount(int paddedSide) {
  return (paddedSide / 2 + kSpectrumBlockColumns) / kSpectrumBlockColumns;
}

int FieldSpectrumBlockCount(int paddedSide) {
  return (paddedSide + kSpectrumBlockColumns - 1) / kSpectrumBlockColumns;
}

bool TransformPaddedPupil(const PupilSamples& pupil, int paddedSide, int workers,
                          const SpectrumColumnsSink& sink, const TransformProgress& progress) {
  if (pupil.side <= 0 || paddedSide < pupil.side || pupil.values == nullptr) return false;
  PaddedTransform transform(pupil, nullptr, LayoutFor(pupil.side, paddedSide, workers, false), sink,
                            progress);
  return transform.Run();
}

bool TransformPaddedField(int side, const FieldRows& rows, int paddedSide, int workers,
                          const SpectrumColumnsSink& sink, const TransformProgress& progress) {
  if (side <= 0 || paddedSide < side || !rows) return false;
  PaddedTransform transform({side, nullptr}, &rows, LayoutFor(side, paddedSide, workers, true),
                            sink, progress);
  return transform.Run();
}

}  // namespace voka::fourier
