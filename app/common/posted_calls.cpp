// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/posted_calls.h"

#include <QMetaObject>

namespace voka {

void PostedCalls::Post(std::function<void()> call) {
  {
    const std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  // By name, so that the event holds nothing written by this thread.
  QMetaObject::invokeMethod(this, "RunOne", Qt::QueuedConnection);
}

// One call per wake-up, so that a call that spins an event loop of its own
// cannot run a later one before those posted ahead of it.
void PostedCalls::RunOne() {
  std::function<void()> call;
  {
    const std::lock_guard lock(mutex_);
    if (calls_.empty()) return;
    call = std::move(calls_.front());
    calls_.pop_front();
  }
  call();
}

}  // namespace voka
