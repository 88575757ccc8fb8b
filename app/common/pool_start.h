// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThreadPool>
#include <functional>

namespace voka {

// pool.start(job), with the hand-over declared to ThreadSanitizer. Qt's pool
// passes a job to its thread under a lock of its own that ThreadSanitizer
// cannot see, so on a thread the pool reuses every value the job captured
// would look to it like a race with the job's making. Other builds just
// start the job.
void StartOnPool(QThreadPool& pool, std::function<void()> job);

}  // namespace voka
