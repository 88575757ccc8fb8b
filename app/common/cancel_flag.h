// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>

namespace voka {

// A flag that the user-interface thread raises and a computation polls
// between its steps. Copies share the flag, so the runner can raise it after
// handing the computation its copy.
class CancelFlag {
 public:
  CancelFlag() : raised_(std::make_shared<std::atomic<bool>>(false)) {}

  void Raise() const { raised_->store(true, std::memory_order_relaxed); }
  bool IsRaised() const { return raised_->load(std::memory_order_relaxed); }

 private:
  std::shared_ptr<std::atomic<bool>> raised_;
};

}  // namespace voka
