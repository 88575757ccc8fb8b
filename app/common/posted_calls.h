// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>

namespace voka {

// Calls that any thread hands to the thread of this object, run there one
// per event in the order they were posted. The calls wait in a queue of
// their own under a std::mutex, and Qt's event queue carries only the
// wake-up: the lock inside Qt's queue is invisible to ThreadSanitizer, so a
// call whose captured values travelled through Qt alone would look to it
// like a race on every one of them.
class PostedCalls : public QObject {
  Q_OBJECT

 public:
  explicit PostedCalls(QObject* parent = nullptr) : QObject(parent) {}

  // Any thread. Calls still waiting when the object is destroyed never run,
  // as Qt drops the events of a destroyed receiver.
  void Post(std::function<void()> call);

 private:
  Q_INVOKABLE void RunOne();

  std::mutex mutex_;
  std::deque<std::function<void()>> calls_;
};

}  // namespace voka
