// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/sweep_run.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <numeric>
#include <optional>

#include "threads/thread_budget.h"
#include "threads/worker_team.h"

namespace voka::studies {

namespace {

// The steps' percentages, summed into one report that never runs backward.
class SweepProgress {
 public:
  SweepProgress(std::size_t steps, std::function<void(int)> report)
      : percents_(steps), report_(std::move(report)) {}

  void Set(std::size_t step, int percent) {
    if (!report_) return;
    const std::lock_guard lock(mutex_);
    percents_[step] = std::max(percents_[step], std::clamp(percent, 0, 100));
    const long long sum = std::accumulate(percents_.begin(), percents_.end(), 0LL);
    const int whole = static_cast<int>(sum / static_cast<long long>(percents_.size()));
    if (whole == last_) return;
    last_ = whole;
    report_(whole);
  }

 private:
  std::mutex mutex_;
  std::vector<int> percents_;
  int last_ = -1;
  std::function<void(int)> report_;
};

}  // namespace

SweepResult RunSweep(const SweepRequest& request, const psf::PsfProgress& progress) {
  const std::vector<double> values = pupils::SweepValues(request.range);
  const std::size_t steps = values.size();
  SweepResult result;
  if (steps == 0) return result;
  const int budget = threads::ThreadBudget();
  const int workers = std::clamp(budget, 1, static_cast<int>(std::min<std::size_t>(steps, 256)));
  const int share = std::max(1, budget / workers);
  const auto cancelled = [&progress] { return progress.cancelled && progress.cancelled(); };

  std::vector<std::optional<std::vector<psf::Quantity>>> records(steps);
  SweepProgress sweepProgress(steps, progress.progress);
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  std::atomic<std::size_t> failedStep{steps};
  threads::OnWorkers(workers, [&](int) {
    const threads::ThreadShare threadShare(share);
    for (std::size_t step = next++; step < steps && !stop && !cancelled(); step = next++) {
      psf::PsfProgress stepProgress;
      stepProgress.cancelled = [&stop, &cancelled] { return stop || cancelled(); };
      stepProgress.progress = [&sweepProgress, step](int percent) {
        sweepProgress.Set(step, percent);
      };
      std::optional<psf::PsfAnalysis> analysis =
          AnalyseSweepStep(request, values[step], stepProgress);
      if (!analysis) {
        if (!cancelled() && !stop.exchange(true)) failedStep = step;
        return;
      }
      records[step] = psf::ResultRecord(*analysis);
      sweepProgress.Set(step, 100);
    }
  });
  if (failedStep < steps) {
    result.end = SweepEnd::kNoImage;
    result.failedValue = values[failedStep];
    return result;
  }
  if (cancelled() ||
      std::any_of(records.begin(), records.end(), [](const auto& record) { return !record; })) {
    result.end = SweepEnd::kCancelled;
    return result;
  }
  for (std::size_t step = 0; step < steps; ++step)
    result.steps.push_back({values[step], std::move(*records[step])});
  return result;
}

}  // namespace voka::studies
