#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <optional>

#include "app/common/cancel_flag.h"

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
  // Reports progress in percent (0..100) from the computing thread.
  using ProgressSink = std::function<void(int percent)>;
  // What a finished computation hands back: run on the owner's thread, and
  // only when no newer request has been made since.
  using Delivery = std::function<void()>;
  // The computation: polls the flag, reports progress, returns its delivery
  // (empty when cancelled or when it has nothing to show).
  using Task = std::function<Delivery(const CancelFlag& cancel, const ProgressSink& progress)>;

  explicit LatestOnlyRunner(QObject* parent = nullptr);
  // Cancels what runs and waits for its thread: the computations capture
  // state that dies with the owner.
  ~LatestOnlyRunner() override;

  void Submit(Task task);
  // Cancels the running computation and forgets a waiting one.
  void Cancel();
  bool IsBusy() const { return running_; }

 signals:
  void Started();
  void ProgressChanged(int percent);
  // A computation ended and nothing waits: delivered says whether its
  // result was shown (false after a cancel or a superseded run).
  void Idle(bool delivered);

 private:
  void StartNext();
  void OnTaskEnded(quint64 generation, const Delivery& delivery);

  QThreadPool pool_;
  std::optional<Task> waiting_;
  CancelFlag runningCancel_;
  bool running_ = false;
  // Counts requests; a progress report or result of an older one is dropped.
  quint64 generation_ = 0;
};

}  // namespace voka
