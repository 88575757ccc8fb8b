// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThreadPool>
#include <optional>

#include "app/common/posted_calls.h"
#include "app/common/runner_task.h"

namespace voka {

// Runs one computation at a time on a thread of its own and keeps only the
// latest request: a new request cancels the running one, and requests that
// arrive while it winds down replace each other, so a dragged slider costs
// at most one stale computation and the last position is always computed.
// Submit and Cancel return at once; the results arrive on the thread that
// owns the runner.
class LatestOnlyRunner : public QObject {
  Q_OBJECT

 public:
  using ProgressSink = voka::ProgressSink;
  // Run only when no newer request has been made since.
  using Delivery = voka::Delivery;
  using Task = RunnerTask;

  explicit LatestOnlyRunner(QObject* parent = nullptr);
  // Cancels what runs and waits for its thread: the computations capture
  // state that dies with the owner.
  ~LatestOnlyRunner() override;

  void Submit(Task task);
  // Cancels the running computation and forgets a waiting one.
  void Cancel();
  bool IsBusy() const { return running_; }

  // What became of the computations started so far: delivered ones were
  // shown, dropped ones were cancelled or superseded by a newer request.
  struct Tally {
    quint64 started = 0;
    quint64 delivered = 0;
    quint64 dropped = 0;
  };
  const Tally& Counts() const { return tally_; }

 signals:
  void Started();
  void ProgressChanged(int percent);
  // A computation ended and nothing waits: delivered says whether its
  // result was shown (false after a cancel or a superseded run).
  void Idle(bool delivered);

 private:
  void StartNext();
  void OnTaskEnded(quint64 generation, const Delivery& delivery);

  // Declared before the pool, so that it outlives the pool's last job.
  PostedCalls posted_{this};
  QThreadPool pool_;
  std::optional<Task> waiting_;
  CancelFlag runningCancel_;
  bool running_ = false;
  // Counts requests; a progress report or result of an older one is dropped.
  quint64 generation_ = 0;
  Tally tally_;
};

}  // namespace voka
