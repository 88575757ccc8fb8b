// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/every_point_runner.h"

#include <algorithm>
#include <numeric>

#include "app/common/pool_start.h"

namespace voka {

EveryPointRunner::EveryPointRunner(int workerCount, QObject* parent) : QObject(parent) {
  pool_.setMaxThreadCount(std::max(1, workerCount));
}

EveryPointRunner::~EveryPointRunner() {
  seriesCancel_.Raise();
  pool_.waitForDone();
}

int EveryPointRunner::WorkerCount() const {
  return pool_.maxThreadCount();
}

void EveryPointRunner::Submit(RunnerTask task) {
  if (unfinished_ == 0) {
    cancelledSinceIdle_ = false;
    emit Started();
  }
  ++unfinished_;
  const quint64 series = series_;
  const std::size_t point = pointPercents_.size();
  pointPercents_.push_back(0);
  const CancelFlag cancel = seriesCancel_;
  StartOnPool(pool_, [this, task = std::move(task), series, point, cancel] {
    Delivery delivery;
    // A point still waiting when its series was cancelled never starts.
    if (!cancel.IsRaised()) {
      int lastPercent = -1;
      const ProgressSink progress = [this, series, point, &lastPercent](int percent) {
        // Repeated values would only flood the event queue.
        if (percent == lastPercent) return;
        lastPercent = percent;
        posted_.Post([this, series, point, percent] { OnPointProgress(series, point, percent); });
      };
      delivery = task(cancel, progress);
      if (cancel.IsRaised()) delivery = nullptr;
    }
    posted_.Post([this, series, point, delivery = std::move(delivery)] {
      OnPointEnded(series, point, delivery);
    });
  });
}

void EveryPointRunner::Cancel() {
  seriesCancel_.Raise();
  seriesCancel_ = CancelFlag();
  ++series_;
  pointPercents_.clear();
  lastPercent_ = -1;
  if (unfinished_ > 0) {
    cancelledSinceIdle_ = true;
    return;
  }
  emit Idle(false);
}

void EveryPointRunner::OnPointProgress(quint64 series, std::size_t point, int percent) {
  if (series != series_) return;
  // A late report must not move a finished point back.
  pointPercents_[point] = std::max(pointPercents_[point], std::clamp(percent, 0, 100));
  ReportProgress();
}

void EveryPointRunner::OnPointEnded(quint64 series, std::size_t point, const Delivery& delivery) {
  if (series == series_) {
    pointPercents_[point] = 100;
    ReportProgress();
    // The point still counts as unfinished while it is delivered, so that a
    // delivery that submits the next point or cancels finds the runner busy.
    if (delivery) delivery();
  }
  if (--unfinished_ > 0) return;
  pointPercents_.clear();
  lastPercent_ = -1;
  emit Idle(!cancelledSinceIdle_);
}

void EveryPointRunner::ReportProgress() {
  if (pointPercents_.empty()) return;
  const long long sum = std::accumulate(pointPercents_.begin(), pointPercents_.end(), 0LL);
  const int percent = static_cast<int>(sum / static_cast<long long>(pointPercents_.size()));
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  emit ProgressChanged(percent);
}

}  // namespace voka
