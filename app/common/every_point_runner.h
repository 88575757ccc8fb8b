// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThreadPool>
#include <vector>

#include "app/common/posted_calls.h"
#include "app/common/runner_task.h"

namespace voka {

// Runs every submitted computation (a point of a sweep), up to a given
// number at once, and delivers each result once on the thread that owns the
// runner, in the order they finish. Unlike LatestOnlyRunner, no request
// replaces another: every point of a series is wanted. Cancel stops the
// running points and drops the waiting ones, and nothing submitted before it
// is delivered afterwards. Submit and Cancel return at once.
class EveryPointRunner : public QObject {
  Q_OBJECT

 public:
  // workerCount: points computed at once, from the program's thread budget
  // (at least one).
  explicit EveryPointRunner(int workerCount, QObject* parent = nullptr);
  // Cancels every point and waits for the workers: the computations capture
  // state that dies with the owner.
  ~EveryPointRunner() override;

  void Submit(RunnerTask task);
  void Cancel();
  bool IsBusy() const { return unfinished_ > 0; }
  int WorkerCount() const;

 signals:
  // The first point was submitted to an idle runner.
  void Started();
  // The share of the work done, 0..100, over every point submitted since
  // the runner was last idle (points cancelled since then count as none).
  void ProgressChanged(int percent);
  // Every point has ended; complete is false when Cancel was called since
  // the runner was last idle.
  void Idle(bool complete);

 private:
  void OnPointProgress(quint64 series, std::size_t point, int percent);
  void OnPointEnded(quint64 series, std::size_t point, const Delivery& delivery);
  void ReportProgress();

  // Declared before the pool, so that it outlives the pool's last job.
  PostedCalls posted_{this};
  QThreadPool pool_;
  // A cancel starts a new series; reports of an older one are dropped.
  quint64 series_ = 0;
  CancelFlag seriesCancel_;
  // Percent done of each point of the current series.
  std::vector<int> pointPercents_;
  int lastPercent_ = -1;
  // Points handed to the pool whose end has not come back, of any series.
  int unfinished_ = 0;
  bool cancelledSinceIdle_ = false;
};

}  // namespace voka
