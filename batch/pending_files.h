// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace voka {

// A file's bytes, made before any file of the run is written, so that a
// failure while making one leaves all the targets as they were.
struct PendingFile {
  std::string path;  // as typed
  std::string bytes;
};

// Replaces each file whole; says on `err` which could not be written.
// False when any could not.
bool WritePendingFiles(const std::vector<PendingFile>& files, std::ostream& err);

// "\r<what> 42%" on `err` while a long computation runs, when `show`.
void ShowProgress(std::ostream& err, bool show, int position, std::string_view what);

}  // namespace voka
