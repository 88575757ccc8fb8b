// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep runner: every point computed, several at once, each delivered
// once on the owner's thread, and a cancel that leaves nothing behind.

#include "app/common/every_point_runner.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "support/run_until.h"

namespace voka {
namespace {

using test::RunUntil;

// Counts the points that compute at the same time.
struct Concurrency {
  std::atomic<int> now{0};
  std::atomic<int> most{0};
  void Enter() {
    const int running = ++now;
    int seen = most;
    while (running > seen && !most.compare_exchange_weak(seen, running)) {
    }
  }
  void Leave() { --now; }
};

TEST(EveryPointRunner, DeliversEveryPointOnceOnTheOwnersThreadWithinItsWorkers) {
  constexpr int kPoints = 24;
  constexpr int kWorkers = 3;
  EveryPointRunner runner(kWorkers);
  Concurrency concurrency;
  std::vector<int> delivered;
  bool onOwnerThread = true;
  std::vector<int> percents;
  std::optional<bool> idle;
  QObject::connect(&runner, &EveryPointRunner::ProgressChanged,
                   [&percents](int percent) { percents.push_back(percent); });
  QObject::connect(&runner, &EveryPointRunner::Idle, [&idle](bool complete) { idle = complete; });
  for (int point = 0; point < kPoints; ++point) {
    runner.Submit([&, point](const CancelFlag&, const ProgressSink& progress) -> Delivery {
      concurrency.Enter();
      progress(50);
      QThread::msleep(5);
      concurrency.Leave();
      return [&, point] {
        onOwnerThread = onOwnerThread && QThread::currentThread() == qApp->thread();
        delivered.push_back(point);
      };
    });
  }
  EXPECT_TRUE(runner.IsBusy());
  ASSERT_TRUE(RunUntil([&idle] { return idle.has_value(); }));
  EXPECT_TRUE(*idle);
  std::sort(delivered.begin(), delivered.end());
  std::vector<int> every(kPoints);
  std::iota(every.begin(), every.end(), 0);
  EXPECT_EQ(delivered, every);
  EXPECT_TRUE(onOwnerThread);
  EXPECT_LE(concurrency.most, kWorkers);
  EXPECT_GE(concurrency.most, 2) << "the points ran one after another";
  ASSERT_FALSE(percents.empty());
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_EQ(percents.back(), 100);
}

TEST(EveryPointRunner, CancelStopsRunningAndWaitingPointsAndDeliversNothingLater) {
  EveryPointRunner runner(2);
  std::atomic<int> started{0};
  int delivered = 0;
  std::optional<bool> idle;
  QObject::connect(&runner, &EveryPointRunner::Idle, [&idle](bool complete) { idle = complete; });
  const auto waitForCancel = [&](const CancelFlag& cancel, const ProgressSink&) -> Delivery {
    ++started;
    while (!cancel.IsRaised()) QThread::msleep(1);
    // A point that ignores the flag and returns a result anyway.
    return [&delivered] { ++delivered; };
  };
  for (int point = 0; point < 10; ++point) runner.Submit(waitForCancel);
  ASSERT_TRUE(RunUntil([&started] { return started == 2; }));
  runner.Cancel();
  ASSERT_TRUE(RunUntil([&idle] { return idle.has_value(); }));
  EXPECT_FALSE(*idle);
  EXPECT_FALSE(runner.IsBusy());
  QCoreApplication::processEvents();
  EXPECT_EQ(started, 2) << "waiting points started after the cancel";
  EXPECT_EQ(delivered, 0);

  // The runner serves the next series.
  idle.reset();
  runner.Submit([&delivered](const CancelFlag&, const ProgressSink&) -> Delivery {
    return [&delivered] { delivered += 10; };
  });
  ASSERT_TRUE(RunUntil([&idle] { return idle.has_value(); }));
  EXPECT_TRUE(*idle);
  EXPECT_EQ(delivered, 10);
}

TEST(EveryPointRunner, DestroyedWhileRunningCancelsAndDeliversNothing) {
  auto runner = std::make_unique<EveryPointRunner>(2);
  std::atomic<int> started{0};
  auto delivered = std::make_shared<int>(0);
  for (int point = 0; point < 6; ++point) {
    runner->Submit([&started, delivered](const CancelFlag& cancel, const ProgressSink& progress) {
      ++started;
      while (!cancel.IsRaised()) {
        progress(10);
        QThread::msleep(1);
      }
      return Delivery([delivered] { ++*delivered; });
    });
  }
  ASSERT_TRUE(RunUntil([&started] { return started == 2; }));
  runner.reset();
  // Progress and ends queued before the destruction must not reach it.
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(*delivered, 0);
  EXPECT_EQ(started, 2);
}

}  // namespace
}  // namespace voka
