// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace voka::test {

// Runs the event loop until the condition holds, so that work a window hands
// to a thread can end and deliver; false on time-out.
inline bool RunUntil(const std::function<bool()>& condition, int timeoutMs = 120000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace voka::test
