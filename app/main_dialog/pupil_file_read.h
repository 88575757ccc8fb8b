// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "app/common/runner_task.h"
#include "dib/dib_handle.h"
#include "dib/dib_refusal.h"

namespace voka {

// A pupil bitmap read off the user-interface thread: the image, or null and
// why (kNone when the read was cancelled).
struct PupilFileRead {
  DibHandle dib;
  DibRefusal refusal = DibRefusal::kNone;
};

// Reads and checks the file as DibReadPath does, and refuses a form the
// painter cannot draw as unsupported: a black thumbnail would look like a
// closed pupil. Reports the share of the file read, 0..100, and stops early,
// returning a null image, when the flag is raised.
PupilFileRead ReadPupilFile(const std::filesystem::path& path, const CancelFlag& cancel,
                            const ProgressSink& progress);

}  // namespace voka
