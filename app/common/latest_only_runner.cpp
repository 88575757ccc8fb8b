// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/latest_only_runner.h"

#include "app/common/pool_start.h"

namespace voka {

LatestOnlyRunner::LatestOnlyRunner(QObject* parent) : QObject(parent) {
  // One computation at a time: a second one would only slow the latest.
  pool_.setMaxThreadCount(1);
}

LatestOnlyRunner::~LatestOnlyRunner() {
  waiting_.reset();
  runningCancel_.Raise();
  pool_.waitForDone();
}

void LatestOnlyRunner::Submit(Task task) {
  ++generation_;
  waiting_ = std::move(task);
  if (running_) {
    runningCancel_.Raise();
    return;
  }
  StartNext();
}

void LatestOnlyRunner::Cancel() {
  ++generation_;
  waiting_.reset();
  runningCancel_.Raise();
  if (!running_) emit Idle(false);
}

void LatestOnlyRunner::StartNext() {
  Task task = std::move(*waiting_);
  waiting_.reset();
  runningCancel_ = CancelFlag();
  running_ = true;
  ++tally_.started;
  emit Started();

  const quint64 generation = generation_;
  const CancelFlag cancel = runningCancel_;
  StartOnPool(pool_, [this, task = std::move(task), generation, cancel] {
    int lastPercent = -1;
    const ProgressSink progress = [this, generation, &lastPercent](int percent) {
      // Repeated values would only flood the event queue.
      if (percent == lastPercent) return;
      lastPercent = percent;
      posted_.Post([this, generation, percent] {
        if (generation == generation_) emit ProgressChanged(percent);
      });
    };
    Delivery delivery = task(cancel, progress);
    if (cancel.IsRaised()) delivery = nullptr;
    posted_.Post(
        [this, generation, delivery = std::move(delivery)] { OnTaskEnded(generation, delivery); });
  });
}

void LatestOnlyRunner::OnTaskEnded(quint64 generation, const Delivery& delivery) {
  running_ = false;
  const bool current = generation == generation_ && delivery;
  ++(current ? tally_.delivered : tally_.dropped);
  if (current) delivery();
  if (waiting_) {
    StartNext();
    return;
  }
  emit Idle(current);
}

}  // namespace voka
