// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/column_relay.h"

#include <atomic>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

namespace voka::detail {
namespace {

// Blocks until `counter` exceeds `value`.
void WaitAbove(const std::atomic<int>& counter, int value) {
  for (int seen = counter.load(); seen <= value; seen = counter.load()) {
    counter.wait(seen);
  }
}

// Shared state of one relay. Column c opens when the calling thread has run
// beforeColumn(c) and (for c > 0) the last block of column c - 1 has ended;
// whichever of the two comes last opens it. Workers take the blocks of an open
// column one at a time, so a slow thread holds up no more than one block.
class Relay {
 public:
  Relay(int columnCount, int blockCount, const ColumnBlockWork& work)
      : columnCount_(columnCount),
        blockCount_(blockCount),
        work_(work),
        claimed_(columnCount),
        finished_(columnCount),
        arrivals_(columnCount) {}

  // Body of each worker thread.
  void Work() {
    for (int column = 0; column < columnCount_; ++column) {
      WaitAbove(opened_, column);
      for (int block = claimed_[column].fetch_add(1); block < blockCount_;
           block = claimed_[column].fetch_add(1)) {
        if (abandoned_.load()) {
          return;
        }
        work_(column, block);
        if (finished_[column].fetch_add(1) + 1 == blockCount_) {
          EndColumn(column);
        }
      }
    }
  }

  // Body of the calling thread.
  void Lead(const BeforeColumn& beforeColumn) {
    for (int column = 0; column < columnCount_; ++column) {
      beforeColumn(column);
      Arrive(column);
      WaitAbove(opened_, column);
    }
    WaitAbove(ended_, columnCount_ - 1);
  }

  // Lets every worker run to its end without further work.
  void Abandon() {
    abandoned_.store(true);
    opened_.store(std::numeric_limits<int>::max());
    opened_.notify_all();
  }

 private:
  void EndColumn(int column) {
    ended_.store(column + 1);
    ended_.notify_all();
    if (column + 1 < columnCount_) {
      Arrive(column + 1);
    }
  }

  void Arrive(int column) {
    const int needed = column == 0 ? 1 : 2;
    if (arrivals_[column].fetch_add(1) + 1 == needed) {
      opened_.store(column + 1);
      opened_.notify_all();
    }
  }

  const int columnCount_;
  const int blockCount_;
  const ColumnBlockWork& work_;
  std::vector<std::atomic<int>> claimed_;
  std::vector<std::atomic<int>> finished_;
  std::vector<std::atomic<int>> arrivals_;
  std::atomic<int> opened_{0};  // columns below this number may be worked on
  std::atomic<int> ended_{0};   // columns below this number are complete
  std::atomic<bool> abandoned_{false};
};

void RelayOnCallingThread(int columnCount, int blockCount, const ColumnBlockWork& work,
                          const BeforeColumn& beforeColumn) {
  for (int column = 0; column < columnCount; ++column) {
    beforeColumn(column);
    for (int block = 0; block < blockCount; ++block) {
      work(column, block);
    }
  }
}

}  // namespace

void RelayColumns(int columnCount, int blockCount, int workerCount, const ColumnBlockWork& work,
                  const BeforeColumn& beforeColumn) {
  if (columnCount <= 0 || blockCount <= 0) {
    return;
  }
  Relay relay(columnCount, blockCount, work);
  std::vector<std::jthread> workers;
  workers.reserve(workerCount > 0 ? workerCount : 0);
  for (int started = 0; started < workerCount; ++started) {
    try {
      workers.emplace_back([&relay] { relay.Work(); });
    } catch (const std::system_error&) {
      break;  // the threads already started share the work
    }
  }
  if (workers.empty()) {
    RelayOnCallingThread(columnCount, blockCount, work, beforeColumn);
    return;
  }
  try {
    relay.Lead(beforeColumn);
  } catch (...) {
    relay.Abandon();
    throw;  // the workers are joined while the exception leaves this scope
  }
}

}  // namespace voka::detail
